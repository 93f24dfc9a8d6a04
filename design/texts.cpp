#include "design/texts.h"

namespace tavro::design::texts {

std::string_view InputCaption(Input input) {
  switch (input) {
    case Input::U0:
      return TAVRO_TRANSLATABLE("design", "Номинальное выпрямленное напряжение, В");
    case Input::I0:
      return TAVRO_TRANSLATABLE("design", "Номинальный выпрямленный ток, А");
    case Input::Kp:
      return TAVRO_TRANSLATABLE("design", "Коэффициент пульсации выпрямленного напряжения, %");
    case Input::Bm:
      return TAVRO_TRANSLATABLE("design",
                                "Максимальная магнитная индукция в сердечнике трансформатора, Тл");
    case Input::Ud:
      return TAVRO_TRANSLATABLE(
          "design", "Прямое падение напряжения на вентиле, измеренное на постоянном токе, В");
    default:
      return {};
  }
}

std::string_view OutputCaption(Quantity quantity) {
  switch (quantity) {
    case Quantity::U2:
      return TAVRO_TRANSLATABLE("design", "Действующее напряжение вторичной обмотки, В");
    case Quantity::I2:
      return TAVRO_TRANSLATABLE("design", "Действующий ток вторичной обмотки, А");
    case Quantity::I1:
      return TAVRO_TRANSLATABLE("design", "Действующий ток первичной обмотки, А");
    case Quantity::Pframe:
      return TAVRO_TRANSLATABLE("design", "Габаритная мощность трансформатора, В·А");
    case Quantity::Urev:
      return TAVRO_TRANSLATABLE("design", "Амплитуда обратного напряжения на вентиле, В");
    case Quantity::Idrms:
      return TAVRO_TRANSLATABLE("design", "Действующее значение тока через вентиль, А");
    case Quantity::Idpk:
      return TAVRO_TRANSLATABLE("design", "Амплитудное значение тока через вентиль, А");
    case Quantity::Cf:
      return TAVRO_TRANSLATABLE("design", "Ёмкость конденсатора фильтра, мкФ");
    case Quantity::CapacitorVoltage:
      return TAVRO_TRANSLATABLE("design", "Рабочее напряжение конденсатора фильтра, В");
    default:
      return {};
  }
}

std::string_view FailureMessage(FailureStage stage) {
  return stage == FailureStage::CoefficientAbove20 ? kCoefficientAbove20 : kCalculationError;
}

}  // namespace tavro::design::texts
