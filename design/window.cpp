#include "design/window.h"

namespace tavro::design {

std::string FieldName(Field field) {
  if (field == Field::Label37) return "Label37";
  return "Edit" + std::to_string(static_cast<int>(field));
}

Field FieldAt(int index) { return static_cast<Field>(index + 1); }

std::string GroupName(Group group) { return "GroupBox" + std::to_string(static_cast<int>(group)); }

}  // namespace tavro::design
