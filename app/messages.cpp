#include "app/messages.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/qt_text.h"
#include "design/texts.h"

namespace tavro::app {
namespace {

std::unique_ptr<QMessageBox> Build(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
  auto box = std::make_unique<QMessageBox>(owner);
  box->setWindowTitle(Q(design::texts::kApplicationTitle));
  box->setIcon(icon);
  // Message lines are separated by CR LF; the dialog breaks lines at LF.
  box->setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  box->setTextFormat(Qt::PlainText);
  box->setStandardButtons(QMessageBox::Ok);
  box->setWindowModality(Qt::ApplicationModal);
  return box;
}

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* owner, const QString& text) {
  return Build(owner, text, QMessageBox::NoIcon);
}

std::unique_ptr<QMessageBox> BuildErrorBox(QWidget* owner, const QString& text) {
  return Build(owner, text, QMessageBox::Critical);
}

void ShowCentred(QWidget& dialog) {
  dialog.show();
  QScreen* screen = dialog.screen() != nullptr ? dialog.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize decoration = dialog.frameGeometry().size() - dialog.size();
  dialog.resize(dialog.size().boundedTo(area.size() - decoration));
  QRect place = dialog.frameGeometry();
  place.moveCenter(area.center());
  dialog.move(place.topLeft());
}

void RunCentred(QMessageBox& box) {
  ShowCentred(box);
  box.exec();
}

MessageSink ModalMessageSink(QWidget* owner) {
  return [owner](const QString& text) { RunCentred(*BuildMessageBox(owner, text)); };
}

MessageSink ModalErrorSink(QWidget* owner) {
  return [owner](const QString& text) { RunCentred(*BuildErrorBox(owner, text)); };
}

}  // namespace tavro::app
