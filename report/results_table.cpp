#include "report/results_table.h"

#include "design/decimal.h"
#include "design/load_table.h"
#include "design/texts.h"

namespace tavro::report {

namespace dt = design::texts;

std::vector<ResultSection> ResultSections(const ReportContent& c,
                                          const design::TextLookup& lookup) {
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
         Shown(c, design::Quantity::U2), volt},
        {localized(TAVRO_TRANSLATABLE("results", "Действующий ток вторичной обмотки")),
         Shown(c, design::Quantity::I2), ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Действующий ток первичной обмотки")),
         Shown(c, design::Quantity::I1), ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Габаритная мощность трансформатора")),
         Shown(c, design::Quantity::Pframe), voltAmpere},
        {localized(TAVRO_TRANSLATABLE("results", "Амплитуда обратного напряжения на вентиле")),
         Shown(c, design::Quantity::Urev), volt},
        {localized(TAVRO_TRANSLATABLE("results", "Действующее значение тока через вентиль")),
         Shown(c, design::Quantity::Idrms), ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Амплитудное значение тока через вентиль")),
         Shown(c, design::Quantity::Idpk), ampere},
        {localized(TAVRO_TRANSLATABLE("results", "Ёмкость конденсатора фильтра")),
         Shown(c, design::Quantity::Cf), microfarad},
        {localized(TAVRO_TRANSLATABLE("results", "Рабочее напряжение конденсатора фильтра")),
         Shown(c, design::Quantity::CapacitorVoltage), volt}}},
      {lookup(dt::kContext, dt::kNomogramGroup),
       {{localized(TAVRO_TRANSLATABLE("results", "Угол φ")),
         Shown(c, design::Quantity::Phi, design::Form::Degrees), "°"},
        {localized(TAVRO_TRANSLATABLE("results", "Угол φ")), Shown(c, design::Quantity::Phi),
         radian},
        {localized(TAVRO_TRANSLATABLE("results", "Угол ψ")),
         Shown(c, design::Quantity::Psi, design::Form::Degrees), "°"},
        {localized(TAVRO_TRANSLATABLE("results", "Угол ψ")), Shown(c, design::Quantity::Psi),
         radian},
        {localized(TAVRO_TRANSLATABLE("results", "Угол β")),
         Shown(c, design::Quantity::Beta, design::Form::Degrees), "°"},
        {localized(TAVRO_TRANSLATABLE("results", "Угол β")), Shown(c, design::Quantity::Beta),
         radian},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент A")), Shown(c, design::Quantity::A),
         ""},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент B")), Shown(c, design::Quantity::B),
         ""},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент D")), Shown(c, design::Quantity::D),
         ""},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент F")), Shown(c, design::Quantity::F),
         ""},
        {localized(TAVRO_TRANSLATABLE("results", "Коэффициент H")), Shown(c, design::Quantity::H),
         ""}}},
  };
}

std::vector<std::vector<std::string>> LoadTableRows(const ReportContent& c,
                                                    const design::TextLookup& lookup) {
  const auto localized = [&](std::string_view text) { return lookup(kResultsContext, text); };
  std::vector<std::vector<std::string>> rows = {
      {localized(TAVRO_TRANSLATABLE("results", "Ток, % от номинального")),
       lookup(dt::kContext, dt::kLoadCurrentCaption), lookup(dt::kContext, dt::kLoadVoltageCaption),
       "γ", "√2·cos ψ"}};
  const auto shown = [&](long double value) {
    return design::FormatResult(value, c.DecimalSeparator);
  };
  for (int k = 0; k < design::kLoadRows; ++k) {
    rows.push_back({std::to_string(5 * k), shown(c.Design.Load.Current[k]),
                    shown(c.Design.Load.Voltage[k]), shown(c.Design.Load.Gamma[k]),
                    shown(c.Design.Load.Sqrt2CosPsi[k])});
  }
  return rows;
}

std::string ResultsTabSeparated(const ReportContent& c, const design::TextLookup& lookup) {
  const auto localized = [&](std::string_view text) { return lookup(kResultsContext, text); };
  std::string text = localized(TAVRO_TRANSLATABLE("results", "Величина")) + "\t" +
                     localized(TAVRO_TRANSLATABLE("results", "Значение")) + "\t" +
                     localized(TAVRO_TRANSLATABLE("results", "Единица")) + "\n";
  for (const ResultSection& section : ResultSections(c, lookup)) {
    text += section.Title + "\n";
    for (const ResultRow& row : section.Rows) {
      text += row.Name + "\t" + row.Value + "\t" + row.Unit + "\n";
    }
  }
  text += "\n" + lookup(dt::kContext, dt::kLoadGroup) + "\n";
  for (const std::vector<std::string>& row : LoadTableRows(c, lookup)) {
    for (std::size_t i = 0; i < row.size(); ++i) text += (i == 0 ? "" : "\t") + row[i];
    text += "\n";
  }
  return text;
}

}  // namespace tavro::report
