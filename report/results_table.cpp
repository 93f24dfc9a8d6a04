#include "report/results_table.h"

#include "design/decimal.h"
#include "design/load_table.h"
#include "design/operating_point.h"
#include "design/quantities.h"
#include "design/readable_number.h"
#include "design/texts.h"

namespace tavro::report {

namespace dt = design::texts;

namespace {

// A result as the window shows it, or readable.
std::string Figure(const ReportContent& c, design::Quantity q, design::NumberStyle style,
                   design::Form form = design::Form::Value) {
  if (style == design::NumberStyle::Plain) return Shown(c, q, form);
  const long double value = design::ValueOf(c.Design, q);
  return design::FormatReadable(form == design::Form::Degrees ? design::Degrees(value) : value,
                                design::Unit::None, c.DecimalSeparator);
}

}  // namespace

std::vector<ResultSection> ResultSections(const ReportContent& c, const design::TextLookup& lookup,
                                          design::NumberStyle style) {
  const auto localized = [&](std::string_view text) { return lookup(kResultsContext, text); };
  const design::InputTexts& in = c.Inputs;
  const std::string volt = localized(TAVRO_TRANSLATABLE("results", "В"));
  const std::string ampere = localized(TAVRO_TRANSLATABLE("results", "А"));
  const std::string tesla = localized(TAVRO_TRANSLATABLE("results", "Тл"));
  const std::string hertz = localized(TAVRO_TRANSLATABLE("results", "Гц"));
  const std::string voltAmpere = localized(TAVRO_TRANSLATABLE("results", "В·А"));
  const std::string microfarad = localized(TAVRO_TRANSLATABLE("results", "мкФ"));
  const std::string radian = localized(TAVRO_TRANSLATABLE("results", "рад"));
  return {
      {lookup(dt::kContext, dt::kInputsGroup),
       {{localized(TAVRO_TRANSLATABLE("results", "Номинальное выпрямленное напряжение")), in.U0,
         volt},
        {localized(TAVRO_TRANSLATABLE("results", "Номинальный выпрямленный ток")), in.I0, ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент пульсации выпрямленного напряжения")),
         in.Kp, "%"},
        {localized(TAVRO_TRANSLATABLE("results", "Число стержней трансформатора, несущих обмотки")),
         in.Limbs, ""},
        {localized(TAVRO_TRANSLATABLE("results", "Максимальная магнитная индукция в сердечнике")),
         in.Bm, tesla},
        {localized(TAVRO_TRANSLATABLE("results", "Прямое падение напряжения на вентиле")), in.Ud,
         volt},
        {localized(TAVRO_TRANSLATABLE("results", "Частота электросети")), MainsFrequency(c), hertz},
        {localized(TAVRO_TRANSLATABLE("results", "Действующее напряжение первичной обмотки")),
         MainsVoltage(c), volt}}},
      {localized(TAVRO_TRANSLATABLE("results", "Выходные данные")),
       {{localized(TAVRO_TRANSLATABLE("results", "Действующее напряжение вторичной обмотки")),
         Figure(c, design::Quantity::U2, style), volt},
        {localized(TAVRO_TRANSLATABLE("results", "Действующий ток вторичной обмотки")),
         Figure(c, design::Quantity::I2, style), ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Действующий ток первичной обмотки")),
         Figure(c, design::Quantity::I1, style), ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Габаритная мощность трансформатора")),
         Figure(c, design::Quantity::Pframe, style), voltAmpere},
        {localized(TAVRO_TRANSLATABLE("results", "Амплитуда обратного напряжения на вентиле")),
         Figure(c, design::Quantity::Urev, style), volt},
        {localized(TAVRO_TRANSLATABLE("results", "Действующее значение тока через вентиль")),
         Figure(c, design::Quantity::Idrms, style), ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Амплитудное значение тока через вентиль")),
         Figure(c, design::Quantity::Idpk, style), ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Ёмкость конденсатора фильтра")),
         Figure(c, design::Quantity::Cf, style), microfarad},
        {localized(TAVRO_TRANSLATABLE("results", "Рабочее напряжение конденсатора фильтра")),
         Figure(c, design::Quantity::CapacitorVoltage, style), volt}}},
      {lookup(dt::kContext, dt::kNomogramGroup),
       {{localized(TAVRO_TRANSLATABLE("results", "Угол φ")),
         Figure(c, design::Quantity::Phi, style, design::Form::Degrees), "°"},
        {localized(TAVRO_TRANSLATABLE("results", "Угол φ")),
         Figure(c, design::Quantity::Phi, style), radian},
        {localized(TAVRO_TRANSLATABLE("results", "Угол ψ")),
         Figure(c, design::Quantity::Psi, style, design::Form::Degrees), "°"},
        {localized(TAVRO_TRANSLATABLE("results", "Угол ψ")),
         Figure(c, design::Quantity::Psi, style), radian},
        {localized(TAVRO_TRANSLATABLE("results", "Угол β")),
         Figure(c, design::Quantity::Beta, style, design::Form::Degrees), "°"},
        {localized(TAVRO_TRANSLATABLE("results", "Угол β")),
         Figure(c, design::Quantity::Beta, style), radian},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент A")),
         Figure(c, design::Quantity::A, style), ""},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент B")),
         Figure(c, design::Quantity::B, style), ""},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент D")),
         Figure(c, design::Quantity::D, style), ""},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент F")),
         Figure(c, design::Quantity::F, style), ""},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент H")),
         Figure(c, design::Quantity::H, style), ""}}},
  };
}

std::vector<std::vector<std::string>> LoadTableRows(const ReportContent& c,
                                                    const design::TextLookup& lookup,
                                                    design::NumberStyle style) {
  const auto localized = [&](std::string_view text) { return lookup(kResultsContext, text); };
  std::vector<std::vector<std::string>> rows = {
      {localized(TAVRO_TRANSLATABLE("results", "Ток, % от номинального")),
       lookup(dt::kContext, dt::kLoadCurrentCaption), lookup(dt::kContext, dt::kLoadVoltageCaption),
       "γ", "√2·cos ψ"}};
  const auto shown = [&](long double value) {
    return style == design::NumberStyle::Plain
               ? design::FormatResult(value, c.DecimalSeparator)
               : design::FormatReadable(value, design::Unit::None, c.DecimalSeparator);
  };
  for (int k = 0; k < design::kLoadRows; ++k) {
    rows.push_back({std::to_string(5 * k), shown(c.Design.Load.Current[k]),
                    shown(c.Design.Load.Voltage[k]), shown(c.Design.Load.Gamma[k]),
                    shown(c.Design.Load.Sqrt2CosPsi[k])});
  }
  return rows;
}

std::string ResultsTabSeparated(const ReportContent& c, const design::TextLookup& lookup,
                                design::NumberStyle style) {
  const auto localized = [&](std::string_view text) { return lookup(kResultsContext, text); };
  std::string text = localized(TAVRO_TRANSLATABLE("results", "Величина")) + "\t" +
                     localized(TAVRO_TRANSLATABLE("results", "Значение")) + "\t" +
                     localized(TAVRO_TRANSLATABLE("results", "Единица")) + "\n";
  for (const ResultSection& section : ResultSections(c, lookup, style)) {
    text += section.Title + "\n";
    for (const ResultRow& row : section.Rows) {
      text += row.Name + "\t" + row.Value + "\t" + row.Unit + "\n";
    }
  }
  text += "\n" + lookup(dt::kContext, dt::kLoadGroup) + "\n";
  for (const std::vector<std::string>& row : LoadTableRows(c, lookup, style)) {
    for (std::size_t i = 0; i < row.size(); ++i) text += (i == 0 ? "" : "\t") + row[i];
    text += "\n";
  }
  // A spreadsheet reads a number grouped by thousands as text.
  if (style == design::NumberStyle::Readable) {
    for (std::size_t at = text.find("\u00a0"); at != std::string::npos;
         at = text.find("\u00a0", at))
      text.erase(at, 2);
  }
  return text;
}

}  // namespace tavro::report
