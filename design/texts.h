// Every text the design calculation shows: its messages and the captions of
// the window's fields (shared by the Qt window and the command-line tool).
#pragma once

#include <string_view>

#include "design/calculate.h"
#include "design/inputs.h"
#include "design/quantities.h"
#include "design/window.h"

namespace tavro::design::texts {

inline constexpr std::string_view kApplicationTitle = "Tavro";

// Input reading, in the order the fields are checked.
inline constexpr std::string_view kVoltageNotPositive =
    "Выпрямленное напряжение должно быть положительным";
inline constexpr std::string_view kCurrentNotPositive =
    "Выпрямленный ток должен быть положительным";
inline constexpr std::string_view kCurrentBelow20mA = "Выпрямленный ток должен быть не менее 20 мА";
inline constexpr std::string_view kRippleNotPositive =
    "Коэффициент пульсации должен быть положительным";
inline constexpr std::string_view kRippleAbove15 = "Коэффициент пульсации должен быть не более 15%";
inline constexpr std::string_view kFluxNotPositive = "Магнитная индукция должна быть положительной";
inline constexpr std::string_view kDiodeDropNotPositive =
    "Падение напряжения на вентиле должно быть положительным";
inline constexpr std::string_view kFormatError =
    "Неверный формат вводимых чисел. Проверьте входные данные.";

// The calculation.
inline constexpr std::string_view kCoefficientAbove20 =
    "Коэффициент A превысил значение 20. Скорректируйте входные данные.";
inline constexpr std::string_view kCalculationError =
    "Ошибка при вычислениях. Скорректируйте входные данные.";
// The message of a calculation that stops at this stage.
std::string_view FailureMessage(FailureStage stage);

// Group captions.
inline constexpr std::string_view kInputsGroup = "Входные данные";
inline constexpr std::string_view kOutputsGroup = "Выходные данные (питающая сеть 220 В / 50 Гц)";
inline constexpr std::string_view kNomogramGroup = "Расчётные параметры номограмм";
inline constexpr std::string_view kLoadGroup = "Нагрузочная характеристика выпрямителя";

// Captions of the input fields; the limbs caption belongs to the radio buttons.
inline constexpr std::string_view kLimbsCaption =
    "Число стержней трансформатора, на которых расположены его обмотки";
std::string_view InputCaption(Input input);  // U0, I0, Kp, Bm, Ud

// Captions of the design results (GroupBox3), in the window's order.
inline constexpr Quantity kOutputQuantities[] = {
    Quantity::U2,    Quantity::I2,   Quantity::I1, Quantity::Pframe,          Quantity::Urev,
    Quantity::Idrms, Quantity::Idpk, Quantity::Cf, Quantity::CapacitorVoltage};
std::string_view OutputCaption(Quantity quantity);

// The nomogram group (GroupBox1): a caption, the symbol, a unit, the first
// value, then for the angles "= радиан" and the angle in radians, and for the
// last row √2·cos ψ.
struct NomogramValue {
  Quantity Shows;
  Form As;
};
struct NomogramRow {
  std::string_view Caption;
  std::string_view Symbol;
  std::string_view Unit;
  NomogramValue First;
  std::string_view Middle;
  NomogramValue Second;
  bool HasSecond;
};
inline constexpr NomogramValue kNone{Quantity::A, Form::Value};
inline constexpr NomogramRow kNomogramRows[] = {
    {"Угол", "φ", "°", {Quantity::Phi, Form::Degrees}, "= радиан", {Quantity::Phi, Form::Value}, true},
    {"Угол", "ψ", "°", {Quantity::Psi, Form::Degrees}, "= радиан", {Quantity::Psi, Form::Value}, true},
    {"Угол", "β", "°", {Quantity::Beta, Form::Degrees}, "= радиан", {Quantity::Beta, Form::Value},
     true},
    {"Коэффициент", "A", "", {Quantity::A, Form::Value}, "", kNone, false},
    {"Коэффициент", "B", "", {Quantity::B, Form::Value}, "", kNone, false},
    {"Коэффициент", "D", "", {Quantity::D, Form::Value}, "", kNone, false},
    {"Коэффициент", "F", "", {Quantity::F, Form::Value}, "", kNone, false},
    {"Коэффициент", "H", "", {Quantity::H, Form::Value}, "", kNone, false},
    {"Коэффициент", "γ", "", {Quantity::RatedGamma, Form::Value}, "√2·cos ψ",
     {Quantity::RatedSqrt2CosPsi, Form::Value}, true},
};

// The load characteristic under the slider.
inline constexpr std::string_view kPercentCaption = "Процент от номинального выпрямленного тока,";
inline constexpr std::string_view kLoadCurrentCaption = "Выпрямленный ток, А";
inline constexpr std::string_view kLoadVoltageCaption = "Выпрямленное напряжение, В";

// Design files: what is wrong with a file that cannot be opened or saved.
// "%1" is the file's name, "%2" the detail (an entry, a position, a reason).
inline constexpr std::string_view kDesignFileCannotRead =
    "Не удалось открыть файл проекта «%1»: %2";
inline constexpr std::string_view kDesignFileCannotWrite =
    "Не удалось сохранить файл проекта «%1»: %2";
inline constexpr std::string_view kDesignFileNotJson =
    "Файл «%1» повреждён и не читается как проект Tavro (%2).";
inline constexpr std::string_view kDesignFileNotADesign = "Файл «%1» не является проектом Tavro.";
inline constexpr std::string_view kDesignFileNewerVersion =
    "Файл проекта «%1» записан более новой версией программы (версия формата %2); эта версия "
    "читает проекты до версии 1. Обновите программу.";
inline constexpr std::string_view kDesignFileUnknownEntry =
    "Файл проекта «%1» содержит неизвестную запись «%2»: вероятно, он записан более новой "
    "версией программы.";
inline constexpr std::string_view kDesignFileBadEntry =
    "Файл проекта «%1» повреждён: запись «%2» отсутствует или имеет неверный вид.";

}  // namespace tavro::design::texts
