#include "report/results_table.h"

#include "design/decimal.h"
#include "design/load_table.h"

namespace tavro::report {

std::vector<ResultSection> ResultSections(const ReportContent& c) {
  const design::InputTexts& in = c.Inputs;
  return {
      {"Входные данные",
       {{"Номинальное выпрямленное напряжение", in.U0, "В"},
        {"Номинальный выпрямленный ток", in.I0, "А"},
        {"Коэффициент пульсации выпрямленного напряжения", in.Kp, "%"},
        {"Число стержней трансформатора, несущих обмотки", in.Limbs, ""},
        {"Максимальная магнитная индукция в сердечнике", in.Bm, "Тл"},
        {"Прямое падение напряжения на вентиле", in.Ud, "В"},
        {"Частота электросети", "50", "Гц"},
        {"Действующее напряжение первичной обмотки", "220", "В"}}},
      {"Выходные данные",
       {{"Действующее напряжение вторичной обмотки", c.U2, "В"},
        {"Действующий ток вторичной обмотки", c.I2, "А"},
        {"Действующий ток первичной обмотки", c.I1, "А"},
        {"Габаритная мощность трансформатора", c.Pframe, "В·А"},
        {"Амплитуда обратного напряжения на вентиле", c.Urev, "В"},
        {"Действующее значение тока через вентиль", c.Idrms, "А"},
        {"Амплитудное значение тока через вентиль", c.Idpk, "А"},
        {"Ёмкость конденсатора фильтра", c.Cf, "мкФ"},
        {"Рабочее напряжение конденсатора фильтра", c.CapacitorVoltage, "В"}}},
      {"Расчётные параметры номограмм",
       {{"Угол φ", c.PhiDegrees, "°"},
        {"Угол φ", c.Phi, "рад"},
        {"Угол ψ", c.PsiDegrees, "°"},
        {"Угол ψ", c.Psi, "рад"},
        {"Угол β", c.BetaDegrees, "°"},
        {"Угол β", c.Beta, "рад"},
        {"Коэффициент A", c.A, ""},
        {"Коэффициент B", c.B, ""},
        {"Коэффициент D", c.D, ""},
        {"Коэффициент F", c.F, ""},
        {"Коэффициент H", c.H, ""}}},
  };
}

std::vector<std::vector<std::string>> LoadTableRows(const ReportContent& c) {
  std::vector<std::vector<std::string>> rows = {{"Ток, % от номинального", "Выпрямленный ток, А",
                                                 "Выпрямленное напряжение, В", "γ", "√2·cos ψ"}};
  const auto shown = [&](long double value) {
    return design::FormatResult(value, c.DecimalSeparator);
  };
  for (int k = 0; k < design::kLoadRows; ++k) {
    rows.push_back({std::to_string(5 * k), shown(c.Table.Current[k]), shown(c.Table.Voltage[k]),
                    shown(c.Table.Gamma[k]), shown(c.Table.Sqrt2CosPsi[k])});
  }
  return rows;
}

std::string ResultsTabSeparated(const ReportContent& c) {
  std::string text = "Величина\tЗначение\tЕдиница\n";
  for (const ResultSection& section : ResultSections(c)) {
    text += section.Title + "\n";
    for (const ResultRow& row : section.Rows) {
      text += row.Name + "\t" + row.Value + "\t" + row.Unit + "\n";
    }
  }
  text += "\nНагрузочная характеристика выпрямителя\n";
  for (const std::vector<std::string>& row : LoadTableRows(c)) {
    for (std::size_t i = 0; i < row.size(); ++i) text += (i == 0 ? "" : "\t") + row[i];
    text += "\n";
  }
  return text;
}

}  // namespace tavro::report
