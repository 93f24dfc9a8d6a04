// Every text the design calculation shows: its messages and the captions of
// the window's fields (shared by the Qt window and the command-line tool).
// The texts are Russian, marked for translation under kContext; the front
// ends show them through their catalogue, the report as they are.
#pragma once

#include <string_view>

#include "design/calculate.h"
#include "design/inputs.h"
#include "design/quantities.h"
#include "design/translatable.h"
#include "design/window.h"

namespace tavro::design::texts {

// The translation context of every text here.
inline constexpr char kContext[] = "design";

inline constexpr std::string_view kApplicationTitle = "Tavro";

// Input reading, in the order the fields are checked.
inline constexpr std::string_view kVoltageNotPositive =
    TAVRO_TRANSLATABLE("design", "Выпрямленное напряжение должно быть положительным");
inline constexpr std::string_view kCurrentNotPositive =
    TAVRO_TRANSLATABLE("design", "Выпрямленный ток должен быть положительным");
inline constexpr std::string_view kCurrentBelow20mA =
    TAVRO_TRANSLATABLE("design", "Выпрямленный ток должен быть не менее 20 мА");
inline constexpr std::string_view kRippleNotPositive =
    TAVRO_TRANSLATABLE("design", "Коэффициент пульсации должен быть положительным");
inline constexpr std::string_view kRippleAbove15 =
    TAVRO_TRANSLATABLE("design", "Коэффициент пульсации должен быть не более 15%");
inline constexpr std::string_view kFluxNotPositive =
    TAVRO_TRANSLATABLE("design", "Магнитная индукция должна быть положительной");
inline constexpr std::string_view kDiodeDropNotPositive =
    TAVRO_TRANSLATABLE("design", "Падение напряжения на вентиле должно быть положительным");
inline constexpr std::string_view kFormatError =
    TAVRO_TRANSLATABLE("design", "Неверный формат вводимых чисел. Проверьте входные данные.");

// The calculation.
inline constexpr std::string_view kCoefficientAbove20 = TAVRO_TRANSLATABLE(
    "design", "Коэффициент A превысил значение 20. Скорректируйте входные данные.");
inline constexpr std::string_view kCalculationError =
    TAVRO_TRANSLATABLE("design", "Ошибка при вычислениях. Скорректируйте входные данные.");
// The message of a calculation that stops at this stage (one of the two above).
std::string_view FailureMessage(FailureStage stage);

// Group captions.
inline constexpr std::string_view kInputsGroup = TAVRO_TRANSLATABLE("design", "Входные данные");
inline constexpr std::string_view kOutputsGroup =
    TAVRO_TRANSLATABLE("design", "Выходные данные (питающая сеть 220 В / 50 Гц)");
inline constexpr std::string_view kNomogramGroup =
    TAVRO_TRANSLATABLE("design", "Расчётные параметры номограмм");
inline constexpr std::string_view kLoadGroup =
    TAVRO_TRANSLATABLE("design", "Нагрузочная характеристика выпрямителя");

// Captions of the input fields; the limbs caption belongs to the radio buttons.
inline constexpr std::string_view kLimbsCaption = TAVRO_TRANSLATABLE(
    "design", "Число стержней трансформатора, на которых расположены его обмотки");
// U0, I0, Kp, Bm, Ud: marked texts, shown through the catalogue.
std::string_view InputCaption(Input input);

// Captions of the design results (GroupBox3), in the window's order.
inline constexpr Quantity kOutputQuantities[] = {
    Quantity::U2,    Quantity::I2,   Quantity::I1, Quantity::Pframe,          Quantity::Urev,
    Quantity::Idrms, Quantity::Idpk, Quantity::Cf, Quantity::CapacitorVoltage};
std::string_view OutputCaption(Quantity quantity);  // a marked text

// The nomogram group (GroupBox1): a caption, the symbol, a unit, the first
// value, then for the angles "= радиан" and the angle in radians, and for the
// last row √2·cos ψ. The captions and "= радиан" are marked texts; the symbols
// and units are the same in every language.
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
inline constexpr std::string_view kAngle = TAVRO_TRANSLATABLE("design", "Угол");
inline constexpr std::string_view kCoefficient = TAVRO_TRANSLATABLE("design", "Коэффициент");
inline constexpr std::string_view kInRadians = TAVRO_TRANSLATABLE("design", "= радиан");
inline constexpr NomogramRow kNomogramRows[] = {
    {kAngle,
     "φ",
     "°",
     {Quantity::Phi, Form::Degrees},
     kInRadians,
     {Quantity::Phi, Form::Value},
     true},
    {kAngle,
     "ψ",
     "°",
     {Quantity::Psi, Form::Degrees},
     kInRadians,
     {Quantity::Psi, Form::Value},
     true},
    {kAngle,
     "β",
     "°",
     {Quantity::Beta, Form::Degrees},
     kInRadians,
     {Quantity::Beta, Form::Value},
     true},
    {kCoefficient, "A", "", {Quantity::A, Form::Value}, "", kNone, false},
    {kCoefficient, "B", "", {Quantity::B, Form::Value}, "", kNone, false},
    {kCoefficient, "D", "", {Quantity::D, Form::Value}, "", kNone, false},
    {kCoefficient, "F", "", {Quantity::F, Form::Value}, "", kNone, false},
    {kCoefficient, "H", "", {Quantity::H, Form::Value}, "", kNone, false},
    {kCoefficient,
     "γ",
     "",
     {Quantity::RatedGamma, Form::Value},
     "√2·cos ψ",
     {Quantity::RatedSqrt2CosPsi, Form::Value},
     true},
};

// The load characteristic under the slider.
inline constexpr std::string_view kPercentCaption =
    TAVRO_TRANSLATABLE("design", "Процент от номинального выпрямленного тока,");
inline constexpr std::string_view kLoadCurrentCaption =
    TAVRO_TRANSLATABLE("design", "Выпрямленный ток, А");
inline constexpr std::string_view kLoadVoltageCaption =
    TAVRO_TRANSLATABLE("design", "Выпрямленное напряжение, В");

// Design files: what is wrong with a file that cannot be opened or saved.
// "%1" is the file's name, "%2" the detail (an entry, a position, a reason).
// DescribeDesignFileError (design/design_file.h) fills them in.
inline constexpr std::string_view kDesignFileCannotRead =
    TAVRO_TRANSLATABLE("design", "Не удалось открыть файл проекта «%1»: %2");
inline constexpr std::string_view kDesignFileCannotWrite =
    TAVRO_TRANSLATABLE("design", "Не удалось сохранить файл проекта «%1»: %2");
inline constexpr std::string_view kDesignFileNotJson =
    TAVRO_TRANSLATABLE("design", "Файл «%1» повреждён и не читается как проект Tavro (%2).");
// The position of a damaged file's fault: the parser's reason (%1, in
// English), the byte (%2).
inline constexpr std::string_view kDesignFileAtByte = TAVRO_TRANSLATABLE("design", "%1, байт %2");
inline constexpr std::string_view kDesignFileNotADesign =
    TAVRO_TRANSLATABLE("design", "Файл «%1» не является проектом Tavro.");
inline constexpr std::string_view kDesignFileNewerVersion = TAVRO_TRANSLATABLE(
    "design",
    "Файл проекта «%1» записан более новой версией программы (версия формата %2); эта версия "
    "читает проекты до версии 2. Обновите программу.");
inline constexpr std::string_view kDesignFileUnknownEntry = TAVRO_TRANSLATABLE(
    "design",
    "Файл проекта «%1» содержит неизвестную запись «%2»: вероятно, он записан более новой "
    "версией программы.");
inline constexpr std::string_view kDesignFileBadEntry = TAVRO_TRANSLATABLE(
    "design", "Файл проекта «%1» повреждён: запись «%2» отсутствует или имеет неверный вид.");
inline constexpr std::string_view kDesignFileDuplicateEntry = TAVRO_TRANSLATABLE(
    "design", "Файл проекта «%1» повреждён: запись «%2» встречается в нём не один раз.");

// Why a file could not be read or written where the system gives no reason
// of its own (DescribeFileFault, design/design_file.h): "%2" of the messages
// above and of the other front ends' "cannot write" messages.
inline constexpr std::string_view kNotARegularFile =
    TAVRO_TRANSLATABLE("design", "это не обычный файл");
inline constexpr std::string_view kFileTooLarge =
    TAVRO_TRANSLATABLE("design", "файл больше 1 МиБ, проект не бывает таким большим");

// Unit symbols and SI prefixes of readable numbers (design/readable_number.h).
inline constexpr std::string_view kUnitVolt = TAVRO_TRANSLATABLE("design", "В");
inline constexpr std::string_view kUnitAmpere = TAVRO_TRANSLATABLE("design", "А");
inline constexpr std::string_view kUnitOhm = TAVRO_TRANSLATABLE("design", "Ом");
inline constexpr std::string_view kUnitFarad = TAVRO_TRANSLATABLE("design", "Ф");
inline constexpr std::string_view kUnitHenry = TAVRO_TRANSLATABLE("design", "Гн");
inline constexpr std::string_view kUnitWatt = TAVRO_TRANSLATABLE("design", "Вт");
inline constexpr std::string_view kUnitVoltAmpere = TAVRO_TRANSLATABLE("design", "В·А");
inline constexpr std::string_view kUnitHertz = TAVRO_TRANSLATABLE("design", "Гц");
inline constexpr std::string_view kUnitSecond = TAVRO_TRANSLATABLE("design", "с");
// From pico (10⁻¹²) to giga (10⁹); the unit itself in the middle.
inline constexpr std::string_view kPrefixes[] = {
    TAVRO_TRANSLATABLE("design", "п"),  TAVRO_TRANSLATABLE("design", "н"),
    TAVRO_TRANSLATABLE("design", "мк"), TAVRO_TRANSLATABLE("design", "м"),
    "",
    TAVRO_TRANSLATABLE("design", "к"),  TAVRO_TRANSLATABLE("design", "М"),
    TAVRO_TRANSLATABLE("design", "Г")};

}  // namespace tavro::design::texts
