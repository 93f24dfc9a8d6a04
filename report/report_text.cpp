#include "report/report_text.h"

#include <cstdio>

#include "design/decimal.h"
#include "design/quantities.h"
#include "design/ratings/quantity_format.h"
#include "report/cp1251.h"

namespace tavro::report {

using design::Form;
using design::Quantity;

ReportContent ContentOf(const design::DesignProcedure& procedure) {
  return {procedure.State().CalculatedInputs, *procedure.LastDesign(),
          procedure.DecimalSeparator()};
}

std::string Shown(const ReportContent& c, Quantity q, Form form) {
  return design::ShownText(c.Design, q, form, c.DecimalSeparator);
}

std::string MainsFrequency(const ReportContent& c) {
  return design::ratings::FormatStandard(c.Design.Supply.Frequency, c.DecimalSeparator);
}

std::string MainsVoltage(const ReportContent& c) {
  return design::ratings::FormatStandard(c.Design.Supply.Voltage, c.DecimalSeparator);
}

namespace {

const std::string kDashes(73, '-');

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::string DateLine(const ReportTime& t, std::string_view timeSeparator) {
  char year[16];
  std::snprintf(year, sizeof year, "%04d", t.Year);
  return "Дата: " + TwoDigits(t.Day) + "." + TwoDigits(t.Month) + "." + year +
         "г. Время: " + TwoDigits(t.Hour) + std::string(timeSeparator) + TwoDigits(t.Minute);
}

std::string AngleLine(const char* label, const ReportContent& c, Quantity angle) {
  return label + Shown(c, angle, Form::Degrees) + " градусов" + "  =  " + Shown(c, angle) +
         " радиан";
}

// P = 5·k right-aligned in 7 columns, then the four values between the bars
// of the header above.
std::string TableRow(const ReportContent& c, int k) {
  char percent[16];
  std::snprintf(percent, sizeof percent, "%7d", 5 * k);
  const design::LoadRowTexts row = design::FormatLoadRow(c.Design.Load, k, c.DecimalSeparator);
  return std::string(percent) + "      |  " + row.Current + "   " + row.Voltage + "   |  " +
         row.Gamma + "   " + row.Sqrt2CosPsi;
}

}  // namespace

std::vector<std::string> ReportLines(const ReportContent& c, const ReportTime& time,
                                     std::string_view timeSeparator) {
  const design::InputTexts& in = c.Inputs;
  std::vector<std::string> lines = {
      kDashes,
      "РАСЧЁТ ОДНОФАЗНОГО МОСТОВОГО ВЫПРЯМИТЕЛЯ, РАБОТАЮЩЕГО НА ЁМКОСТЬ,",
      "С УЧЁТОМ ИНДУКТИВНОСТИ РАССЕЯНИЯ ТРАНСФОРМАТОРА",
      "",
      DateLine(time, timeSeparator),
      "",
      "ВХОДНЫЕ ДАННЫЕ:",
      "",
      "Номинальное выпрямленное напряжение:             " + in.U0 + " В",
      "Номинальный выпрямленный ток:                    " + in.I0 + " А",
      "Коэффициент пульсации выпрямленного напряжения:  " + in.Kp + " %",
      "Число стержней трансформатора, несущих обмотки:  " + in.Limbs,
      "Максимальная магнитная индукция в сердечнике:    " + in.Bm + " Тл",
      "Прямое падение напряжения на вентиле:            " + in.Ud + " В",
      "",
      "ВЫХОДНЫЕ ДАННЫЕ:",
      "",
      "Частота электросети:                        " + MainsFrequency(c) + " Гц",
      "Действующее напряжение первичной обмотки:   " + MainsVoltage(c) + " В",
      "Действующий ток первичной обмотки:          " + Shown(c, Quantity::I1) + " А",
      "Действующее напряжение вторичной обмотки:   " + Shown(c, Quantity::U2) + " В",
      "Действующий ток вторичной обмотки:          " + Shown(c, Quantity::I2) + " А",
      "Габаритная мощность трансформатора:         " + Shown(c, Quantity::Pframe) + " В·А",
      "Амплитуда обратного напряжения на вентиле:  " + Shown(c, Quantity::Urev) + " В",
      "Действующее значение тока через вентиль:    " + Shown(c, Quantity::Idrms) + " А",
      "Амплитудное значение тока через вентиль:    " + Shown(c, Quantity::Idpk) + " А",
      "Ёмкость конденсатора фильтра:               " + Shown(c, Quantity::Cf) + " мкФ",
      "Рабочее напряжение конденсатора фильтра:    " + Shown(c, Quantity::CapacitorVoltage) + " В",
      "",
      "РАСЧЁТНЫЕ ПАРАМЕТРЫ НОМОГРАММ:",
      "",
      AngleLine("Угол Phi:       ", c, Quantity::Phi),
      AngleLine("Угол Psi:       ", c, Quantity::Psi),
      AngleLine("Угол Beta:      ", c, Quantity::Beta),
      "Коэффициент A:  " + Shown(c, Quantity::A),
      "Коэффициент B:  " + Shown(c, Quantity::B),
      "Коэффициент D:  " + Shown(c, Quantity::D),
      "Коэффициент F:  " + Shown(c, Quantity::F),
      "Коэффициент H:  " + Shown(c, Quantity::H),
      "",
      "НАГРУЗОЧНАЯ ХАРАКТЕРИСТИКА ВЫПРЯМИТЕЛЯ:",
      "",
      kDashes,
      "Процент от   |                              |    Параметры номограмм",
      "номинального |  Выпрямленный  Выпрямленное  |",
      "выпрямленного|  ток, А        напряжение, В |  Коэффициент     _",
      "тока, %      |                              |  Gamma         \\/2·cos(Psi)",
      kDashes,
  };
  for (int k = 0; k < design::kLoadRows; ++k) lines.push_back(TableRow(c, k));
  lines.push_back(kDashes);
  return lines;
}

std::string EncodeReport(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += EncodeCp1251(line);
    text += "\r\n";
  }
  return text;
}

}  // namespace tavro::report
