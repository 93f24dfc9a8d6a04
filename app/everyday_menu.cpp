#include "app/everyday_menu.h"

#include <QMenuBar>

#include "app/app_texts.h"
#include "app/keyboard.h"
#include "app/qt_text.h"

namespace tavro::app {
namespace {

QAction* Item(QMenu& menu, QAction* before, std::string_view text, int mnemonic, const char* name,
              QList<QKeySequence> keys = {}) {
  auto* action = new QAction(WithMnemonic(text, mnemonic), &menu);
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
  file->setTitle(WithMnemonic(texts::kFileMenu, 0));
  help->setTitle(WithMnemonic(texts::kHelpMenu, 0));
  plots->setTitle(WithMnemonic(texts::kPlotsMenu, 0));

  EverydayActions a;
  a.openDesign = Item(*file, c.n3, texts::kOpenDesignItem, 0, "OpenDesign", {QKeySequence::Open});
  a.recent = new QMenu(WithMnemonic(texts::kRecentMenu, 0), file);
  a.recent->setObjectName("RecentDesigns");
  file->insertMenu(c.n3, a.recent);
  a.saveDesign = Item(*file, c.n3, texts::kSaveDesignItem, 10, "SaveDesign");
  a.saveDesignAs = Item(*file, c.n3, texts::kSaveDesignAsItem, 17, "SaveDesignAs",
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
  file->insertSeparator(c.n3);
  c.n3->setText(WithMnemonic(texts::kSaveItem, 10));
  c.n3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  a.exportPdf = Item(*file, c.n4, texts::kPdfItem, 0, "ExportPdf",
                     {QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::Key_E)});
  file->insertSeparator(c.n4);
  c.n4->setText(WithMnemonic(texts::kExitItem, 1));
  c.n4->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  auto* edit = new QMenu(WithMnemonic(texts::kEditMenu, 0), &bar);
  edit->setObjectName("EditMenu");
  bar.insertMenu(help->menuAction(), edit);
  a.copyResults = Item(*edit, nullptr, texts::kCopyResultsItem, 0, "CopyResults",
                       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});

  a.method = Item(*help, c.n5, texts::kMethodItem, 0, "Method", {QKeySequence::HelpContents});
  c.n5->setText(WithMnemonic(texts::kAboutItem, 0));
  c.n5->setMenuRole(QAction::AboutRole);
  c.n7->setText(WithMnemonic(texts::kLoadPlotItem, 0));
  c.n8->setText(WithMnemonic(texts::kPulsePlotItem, 0));
  // Results are there to copy or print only after a complete calculation.
  for (QAction* item : {a.exportPdf, a.copyResults}) item->setEnabled(false);
  return a;
}

}  // namespace tavro::app
