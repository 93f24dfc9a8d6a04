#include "app/help_window.h"

#include <QFile>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/qt_text.h"
#include "i18n/catalogue.h"

namespace tavro::app {

QString MethodMarkdown() {
  QFile file(QStringLiteral(":/help/method.md"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

MethodWindow::MethodWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName("MethodWindow");
  Follow(*this, this, [this] { setWindowTitle(i18n::WithoutMnemonic(T(texts::kMethodItem))); });
  browser_->setObjectName("MethodText");
  browser_->setOpenExternalLinks(true);
  // Pictures the document refers to are built in beside it.
  browser_->setSearchPaths({QStringLiteral(":/help")});
  const QString markdown = MethodMarkdown();
  if (markdown.isEmpty()) {
    Follow(*this, browser_, [this] { browser_->setPlainText(T(texts::kMethodMissing)); });
  } else {
    browser_->setMarkdown(markdown);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(760, 640);
}

}  // namespace tavro::app
