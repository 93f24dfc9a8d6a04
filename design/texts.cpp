#include "design/texts.h"

namespace tavro::design::texts {

std::string_view InputCaption(Field field) {
  switch (field) {
    case Field::Edit1: return "Номинальное выпрямленное напряжение, В";
    case Field::Edit2: return "Номинальный выпрямленный ток, А";
    case Field::Edit3: return "Коэффициент пульсации выпрямленного напряжения, %";
    case Field::Edit5: return "Максимальная магнитная индукция в сердечнике трансформатора, Тл";
    case Field::Edit6: return "Прямое падение напряжения на вентиле, измеренное на постоянном токе, В";
    default: return {};
  }
}

std::string_view OutputCaption(Field field) {
  switch (field) {
    case Field::Edit7: return "Действующее напряжение вторичной обмотки, В";
    case Field::Edit13: return "Действующий ток вторичной обмотки, А";
    case Field::Edit14: return "Действующий ток первичной обмотки, А";
    case Field::Edit15: return "Габаритная мощность трансформатора, В·А";
    case Field::Edit16: return "Амплитуда обратного напряжения на вентиле, В";
    case Field::Edit17: return "Действующее значение тока через вентиль, А";
    case Field::Edit18: return "Амплитудное значение тока через вентиль, А";
    case Field::Edit19: return "Ёмкость конденсатора фильтра, мкФ";
    case Field::Edit27: return "Рабочее напряжение конденсатора фильтра, В";
    default: return {};
  }
}

std::string_view FailureMessage(FailureStage stage) {
  return stage == FailureStage::CoefficientAbove20 ? kCoefficientAbove20 : kCalculationError;
}

}  // namespace tavro::design::texts
