// "Справка по программе": the user's help (docs/help/ru.md and en.md, built
// into the program as resources, so it is there offline) in a window of its
// own, next to the calculator. It shows the file of the interface language
// and follows a switch of language while it is open; Escape closes it.
#pragma once

#include <QTextBrowser>
#include <QWidget>

#include "i18n/language.h"

namespace tavro::app {

// The help's Markdown in the language as built into the program; empty when
// the build has none.
QString HelpMarkdown(i18n::Language language);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent);
  const QTextBrowser& Browser() const { return *browser_; }

 private:
  void ShowHelp();

  QTextBrowser* browser_;
};

}  // namespace tavro::app
