// "Методика расчёта": the method document (docs/method.md, built into the
// program as a resource, so it is there offline) rendered in a window of its
// own, next to the calculator.
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace tavro::app {

// The document's Markdown as built into the program; empty when the build
// had none.
QString MethodMarkdown();

class MethodWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MethodWindow(QWidget* parent);
  const QTextBrowser& Browser() const { return *browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace tavro::app
