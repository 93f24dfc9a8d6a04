// The window's own texts: caption, menus and the About message.
#pragma once

#include <string_view>

namespace tavro::app::texts {

inline constexpr std::string_view kCaption =
    "Расчёт однофазного мостового выпрямителя, работающего на ёмкость, с учётом индуктивности "
    "рассеяния трансформатора";

inline constexpr std::string_view kFileMenu = "Файл";
inline constexpr std::string_view kSaveItem = "Сохранить данные...";
inline constexpr std::string_view kExitItem = "Выход";
inline constexpr std::string_view kHelpMenu = "Справка";
inline constexpr std::string_view kAboutItem = "О программе...";

inline constexpr std::string_view kCalculateButton = "Расчёт";
inline constexpr std::string_view kLimbsOne = "1";
inline constexpr std::string_view kLimbsTwo = "2";

// Three lines separated by CR LF.
inline constexpr std::string_view kAbout =
    "Версия: 2.0\r\nАвтор программы: mq270\r\ne-mail: mq270@tavro.example";

inline constexpr std::string_view kNoDisplay =
    "tavro: no graphical display is available (DISPLAY is unset or unreachable); "
    "tavro-cli designs the rectifier on the command line, see tavro-cli --help";

}  // namespace tavro::app::texts
