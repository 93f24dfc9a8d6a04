// The keyboard flow of the main window: Enter in an input or on "Расчёт"
// runs the calculation, an Alt combination never types into a field, the
// read-only results stay out of the Tab chain (but can still be selected and
// copied with the mouse), the slider can be reached by Tab, and Alt or F10
// opens the menu bar.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <functional>

#include "app/form_layout.h"

namespace tavro::app {

// Installs the flow; `calculate` is what Enter runs.
void InstallKeyboardFlow(QMainWindow& window, const FormControls& controls,
                         std::function<void()> calculate);

// The window's text (app/app_texts.h) in the language in use with "&" put
// before its character at `at`: the menu's mnemonic. A translation carries
// its own "&".
QString WithMnemonic(std::string_view text, int at);
// Shows `item`'s text so, now and after every change of language.
void ShowWithMnemonic(QWidget& window, QAction* item, std::string_view text, int at);

}  // namespace tavro::app
