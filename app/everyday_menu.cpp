#include "app/everyday_menu.h"

#include <QMenuBar>

#include "app/app_texts.h"
#include "app/keyboard.h"
#include "app/qt_text.h"

namespace tavro::app {
namespace {

QAction* Item(QWidget& window, QMenu& menu, QAction* before, std::string_view text, int mnemonic,
              const char* name, QList<QKeySequence> keys = {}) {
  auto* action = new QAction(&menu);
  ShowWithMnemonic(window, action, text, mnemonic);
  action->setObjectName(name);
  action->setShortcuts(keys);
  menu.insertAction(before, action);
  return action;
}

}  // namespace

EverydayActions AddEverydayMenus(QMainWindow& window, const FormControls& c) {
  QMenuBar& bar = *window.menuBar();
  auto* file = window.findChild<QMenu*>("N1");
  auto* help = window.findChild<QMenu*>("N2");
  auto* plots = window.findChild<QMenu*>("N6");
  ShowWithMnemonic(window, file->menuAction(), texts::kFileMenu, 0);
  ShowWithMnemonic(window, help->menuAction(), texts::kHelpMenu, 0);
  ShowWithMnemonic(window, plots->menuAction(), texts::kPlotsMenu, 0);

  EverydayActions a;
  a.openDesign =
      Item(window, *file, c.n3, texts::kOpenDesignItem, 0, "OpenDesign", {QKeySequence::Open});
  a.recent = new QMenu(file);
  ShowWithMnemonic(window, a.recent->menuAction(), texts::kRecentMenu, 0);
  a.recent->setObjectName("RecentDesigns");
  file->insertMenu(c.n3, a.recent);
  a.saveDesign = Item(window, *file, c.n3, texts::kSaveDesignItem, 10, "SaveDesign",
                      {QKeySequence::Save});
  a.saveDesignAs = Item(window, *file, c.n3, texts::kSaveDesignAsItem, 17, "SaveDesignAs",
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
  file->insertSeparator(c.n3);
  ShowWithMnemonic(window, c.n3, texts::kSaveItem, 10);
  // Ctrl+S saves the design, as in every desktop program; the report has R.
  c.n3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  a.exportPdf = Item(window, *file, c.n4, texts::kPdfItem, 0, "ExportPdf",
                     {QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::Key_E)});
  file->insertSeparator(c.n4);
  ShowWithMnemonic(window, c.n4, texts::kExitItem, 1);
  c.n4->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  auto* edit = new QMenu(&bar);
  ShowWithMnemonic(window, edit->menuAction(), texts::kEditMenu, 0);
  edit->setObjectName("EditMenu");
  bar.insertMenu(help->menuAction(), edit);
  a.copyResults = Item(window, *edit, nullptr, texts::kCopyResultsItem, 0, "CopyResults",
                       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});

  a.help = Item(window, *help, c.n5, texts::kHelpItem, 0, "Help", {QKeySequence::HelpContents});
  ShowWithMnemonic(window, c.n5, texts::kAboutItem, 0);
  c.n5->setMenuRole(QAction::AboutRole);
  ShowWithMnemonic(window, c.n7, texts::kLoadPlotItem, 0);
  ShowWithMnemonic(window, c.n8, texts::kPulsePlotItem, 0);
  // Results are there to copy or print only after a complete calculation.
  for (QAction* item : {a.exportPdf, a.copyResults}) item->setEnabled(false);
  return a;
}

}  // namespace tavro::app
