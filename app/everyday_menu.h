// The menu items beyond the original two menus, and the keyboard's way into
// all of them: mnemonics on every menu and item, and the standard shortcuts
// (Ctrl+O, Ctrl+Shift+S, Ctrl+S for the report, Ctrl+P or Ctrl+E for the PDF,
// Ctrl+Shift+C to copy the results, F1 for the help, Ctrl+Q to quit).
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "app/form_layout.h"

namespace tavro::app {

struct EverydayActions {
  QAction* openDesign = nullptr;    // "Открыть проект..."
  QMenu* recent = nullptr;          // "Недавние проекты"
  QAction* saveDesign = nullptr;    // "Сохранить проект"
  QAction* saveDesignAs = nullptr;  // "Сохранить проект как..."
  QAction* exportPdf = nullptr;     // "Экспорт в PDF..."
  QAction* copyResults = nullptr;   // Правка → "Копировать результаты"
  QAction* help = nullptr;          // Справка → "Справка по программе"
};

EverydayActions AddEverydayMenus(QMainWindow& window, const FormControls& controls);

}  // namespace tavro::app
