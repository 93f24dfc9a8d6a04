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
        {"Частота электросети", MainsFrequency(c), "Гц"},
        {"Действующее напряжение первичной обмотки", MainsVoltage(c), "В"}}},
      {"Выходные данные",
       {{"Действующее напряжение вторичной обмотки", Shown(c, design::Quantity::U2), "В"},
        {"Действующий ток вторичной обмотки", Shown(c, design::Quantity::I2), "А"},
        {"Действующий ток первичной обмотки", Shown(c, design::Quantity::I1), "А"},
        {"Габаритная мощность трансформатора", Shown(c, design::Quantity::Pframe), "В·А"},
        {"Амплитуда обратного напряжения на вентиле", Shown(c, design::Quantity::Urev), "В"},
        {"Действующее значение тока через вентиль", Shown(c, design::Quantity::Idrms), "А"},
        {"Амплитудное значение тока через вентиль", Shown(c, design::Quantity::Idpk), "А"},
        {"Ёмкость конденсатора фильтра", Shown(c, design::Quantity::Cf), "мкФ"},
        {"Рабочее напряжение конденсатора фильтра", Shown(c, design::Quantity::CapacitorVoltage),
         "В"}}},
      {"Расчётные параметры номограмм",
       {{"Угол φ", Shown(c, design::Quantity::Phi, design::Form::Degrees), "°"},
        {"Угол φ", Shown(c, design::Quantity::Phi), "рад"},
        {"Угол ψ", Shown(c, design::Quantity::Psi, design::Form::Degrees), "°"},
        {"Угол ψ", Shown(c, design::Quantity::Psi), "рад"},
        {"Угол β", Shown(c, design::Quantity::Beta, design::Form::Degrees), "°"},
        {"Угол β", Shown(c, design::Quantity::Beta), "рад"},
        {"Коэффициент A", Shown(c, design::Quantity::A), ""},
        {"Коэффициент B", Shown(c, design::Quantity::B), ""},
        {"Коэффициент D", Shown(c, design::Quantity::D), ""},
        {"Коэффициент F", Shown(c, design::Quantity::F), ""},
        {"Коэффициент H", Shown(c, design::Quantity::H), ""}}},
  };
}

std::vector<std::vector<std::string>> LoadTableRows(const ReportContent& c) {
  std::vector<std::vector<std::string>> rows = {{"Ток, % от номинального", "Выпрямленный ток, А",
                                                 "Выпрямленное напряжение, В", "γ", "√2·cos ψ"}};
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
