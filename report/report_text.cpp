#include "report/report_text.h"

#include <cstdio>

#include "design/decimal.h"
#include "report/cp1251.h"

namespace tavro::report {

using design::Field;

ReportContent ContentOf(const design::DesignWindow& w, const design::DesignProcedure& procedure) {
  ReportContent c;
  c.Inputs = procedure.State().CalculatedInputs;
  c.PhiDegrees = w.Text(Field::Edit4);
  c.Phi = w.Text(Field::Edit20);
  c.PsiDegrees = w.Text(Field::Edit21);
  c.Psi = w.Text(Field::Edit23);
  c.BetaDegrees = w.Text(Field::Edit22);
  c.Beta = w.Text(Field::Edit24);
  c.A = w.Text(Field::Edit8);
  c.B = w.Text(Field::Edit9);
  c.D = w.Text(Field::Edit10);
  c.F = w.Text(Field::Edit11);
  c.H = w.Text(Field::Edit12);
  c.U2 = w.Text(Field::Edit7);
  c.I2 = w.Text(Field::Edit13);
  c.I1 = w.Text(Field::Edit14);
  c.Pframe = w.Text(Field::Edit15);
  c.Urev = w.Text(Field::Edit16);
  c.Idrms = w.Text(Field::Edit17);
  c.Idpk = w.Text(Field::Edit18);
  c.Cf = w.Text(Field::Edit19);
  c.CapacitorVoltage = w.Text(Field::Edit27);
  c.Table = procedure.Table();
  c.DecimalSeparator = procedure.DecimalSeparator();
  return c;
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
  return "Дата: " + TwoDigits(t.Day) + "." + TwoDigits(t.Month) + "." + year + "г. Время: " +
         TwoDigits(t.Hour) + std::string(timeSeparator) + TwoDigits(t.Minute);
}

std::string AngleLine(const char* label, const std::string& degrees, const std::string& radians) {
  return label + degrees + " градусов" + "  =  " + radians + " радиан";
}

// P = 5·k right-aligned in 7 columns, then the four values between the bars
// of the header above.
std::string TableRow(const ReportContent& c, int k) {
  char percent[16];
  std::snprintf(percent, sizeof percent, "%7d", 5 * k);
  const auto shown = [&](long double value) { return design::FormatResult(value, c.DecimalSeparator); };
  return std::string(percent) + "      |  " + shown(c.Table.Current[k]) + "   " +
         shown(c.Table.Voltage[k]) + "   |  " + shown(c.Table.Gamma[k]) + "   " +
         shown(c.Table.Sqrt2CosPsi[k]);
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
      "Частота электросети:                        50 Гц",
      "Действующее напряжение первичной обмотки:   220 В",
      "Действующий ток первичной обмотки:          " + c.I1 + " А",
      "Действующее напряжение вторичной обмотки:   " + c.U2 + " В",
      "Действующий ток вторичной обмотки:          " + c.I2 + " А",
      "Габаритная мощность трансформатора:         " + c.Pframe + " В·А",
      "Амплитуда обратного напряжения на вентиле:  " + c.Urev + " В",
      "Действующее значение тока через вентиль:    " + c.Idrms + " А",
      "Амплитудное значение тока через вентиль:    " + c.Idpk + " А",
      "Ёмкость конденсатора фильтра:               " + c.Cf + " мкФ",
      "Рабочее напряжение конденсатора фильтра:    " + c.CapacitorVoltage + " В",
      "",
      "РАСЧЁТНЫЕ ПАРАМЕТРЫ НОМОГРАММ:",
      "",
      AngleLine("Угол Phi:       ", c.PhiDegrees, c.Phi),
      AngleLine("Угол Psi:       ", c.PsiDegrees, c.Psi),
      AngleLine("Угол Beta:      ", c.BetaDegrees, c.Beta),
      "Коэффициент A:  " + c.A,
      "Коэффициент B:  " + c.B,
      "Коэффициент D:  " + c.D,
      "Коэффициент F:  " + c.F,
      "Коэффициент H:  " + c.H,
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
