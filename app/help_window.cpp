#include "app/help_window.h"

#include <QFile>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/qt_text.h"
#include "i18n/catalogue.h"

namespace tavro::app {
namespace {

// Where the help of a language lives among the resources; its pictures are
// beside the method document's, one folder up, as in the source tree.
QString HelpPath(i18n::Language language) {
  return language == i18n::Language::English ? QStringLiteral(":/docs/help/en.md")
                                             : QStringLiteral(":/docs/help/ru.md");
}

}  // namespace

QString HelpMarkdown(i18n::Language language) {
  QFile file(HelpPath(language));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName("HelpWindow");
  browser_->setObjectName("HelpText");
  browser_->setOpenExternalLinks(true);
  Follow(*this, this, [this] {
    setWindowTitle(i18n::WithoutMnemonic(T(texts::kHelpItem)));
    ShowHelp();
  });
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  close->setContext(Qt::WindowShortcut);
  connect(close, &QShortcut::activated, this, &QWidget::close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  setMinimumSize(480, 360);
  resize(760, 640);
}

void HelpWindow::ShowHelp() {
  const i18n::Language language = i18n::CurrentLanguage();
  if (HelpMarkdown(language).isEmpty()) {
    browser_->setPlainText(T(texts::kHelpMissing));
    return;
  }
  // The document's own address, so its pictures are found beside it.
  browser_->setSource(QUrl(QStringLiteral("qrc") + HelpPath(language)),
                      QTextDocument::MarkdownResource);
}

}  // namespace tavro::app
