#include "design/memory_window.h"

namespace tavro::design {

std::string MemoryWindow::Text(Field field) const { return texts_[Index(field)]; }

void MemoryWindow::SetText(Field field, std::string_view text) {
  texts_[Index(field)] = std::string(text);
  writes_.push_back(field);
}

void MemoryWindow::SetGroupEnabled(Group group, bool enabled) {
  enabled_[static_cast<int>(group) - 1] = enabled;
}

void MemoryWindow::ForgetHistory() {
  messages_.clear();
  writes_.clear();
}

}  // namespace tavro::design
