#include "common/memory_window.h"

namespace tavro::design {

std::string MemoryWindow::Text(Field field) const {
  return texts_[Index(field)];
}

void MemoryWindow::SetText(Field field, std::string_view text) {
  texts_[Index(field)] = std::string(text);
  writes_.push_back(field);
}

void MemoryWindow::SetGroupEnabled(Group group, bool enabled) {
  enabled_[static_cast<int>(group) - 1] = enabled;
}

void MemoryWindow::TypeInputs(std::string_view U0, std::string_view I0, std::string_view Kp,
                              int limbs, std::string_view Bm, std::string_view Ud) {
  Type(Field::Edit1, U0);
  Type(Field::Edit2, I0);
  Type(Field::Edit3, Kp);
  ChooseLimbs(limbs);
  Type(Field::Edit5, Bm);
  Type(Field::Edit6, Ud);
}

void MemoryWindow::ForgetHistory() {
  messages_.clear();
  writes_.clear();
}

}  // namespace tavro::design
