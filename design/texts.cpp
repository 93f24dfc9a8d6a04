#include "design/texts.h"

namespace tavro::design::texts {

std::string_view InputCaption(Input input) {
  switch (input) {
    case Input::U0: return "Номинальное выпрямленное напряжение, В";
    case Input::I0: return "Номинальный выпрямленный ток, А";
    case Input::Kp: return "Коэффициент пульсации выпрямленного напряжения, %";
    case Input::Bm: return "Максимальная магнитная индукция в сердечнике трансформатора, Тл";
    case Input::Ud: return "Прямое падение напряжения на вентиле, измеренное на постоянном токе, В";
    default: return {};
  }
}

std::string_view OutputCaption(Quantity quantity) {
  switch (quantity) {
    case Quantity::U2: return "Действующее напряжение вторичной обмотки, В";
    case Quantity::I2: return "Действующий ток вторичной обмотки, А";
    case Quantity::I1: return "Действующий ток первичной обмотки, А";
    case Quantity::Pframe: return "Габаритная мощность трансформатора, В·А";
    case Quantity::Urev: return "Амплитуда обратного напряжения на вентиле, В";
    case Quantity::Idrms: return "Действующее значение тока через вентиль, А";
    case Quantity::Idpk: return "Амплитудное значение тока через вентиль, А";
    case Quantity::Cf: return "Ёмкость конденсатора фильтра, мкФ";
    case Quantity::CapacitorVoltage: return "Рабочее напряжение конденсатора фильтра, В";
    default: return {};
  }
}

std::string_view FailureMessage(FailureStage stage) {
  return stage == FailureStage::CoefficientAbove20 ? kCoefficientAbove20 : kCalculationError;
}

}  // namespace tavro::design::texts
