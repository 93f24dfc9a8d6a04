// A window held in memory: the fields' texts, the limbs choice, the groups'
// enabled states, the slider and the messages shown. The presenter's tests
// and the fuzz target of a whole press run the design procedure on it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "design/window.h"

namespace tavro::design {

class MemoryWindow : public DesignWindow {
 public:
  // Every field empty, one limb, all groups enabled, slider at 20: the window
  // as built, before FormCreate.
  MemoryWindow() = default;

  std::string Text(Field field) const override;
  void SetText(Field field, std::string_view text) override;
  bool RadioButton2Checked() const override { return twoLimbs_; }
  void SetGroupEnabled(Group group, bool enabled) override;
  int TrackBarPosition() const override { return position_; }
  void SetTrackBarPosition(int position) override { position_ = position; }
  void ShowMessage(std::string_view text) override { messages_.emplace_back(text); }

  // What a user does.
  void Type(Field field, std::string_view text) { texts_[Index(field)] = std::string(text); }
  void ChooseLimbs(int limbs) { twoLimbs_ = limbs == 2; }
  // All six inputs, in the window's order: Edit1, Edit2, Edit3, the limbs
  // choice, Edit5, Edit6.
  void TypeInputs(std::string_view U0, std::string_view I0, std::string_view Kp, int limbs,
                  std::string_view Bm, std::string_view Ud);
  void MoveSlider(int position) { position_ = position; }

  bool GroupEnabled(Group group) const { return enabled_[static_cast<int>(group) - 1]; }
  const std::vector<std::string>& Messages() const { return messages_; }
  // Every field the program wrote, in order.
  const std::vector<Field>& Writes() const { return writes_; }
  void ForgetHistory();

 private:
  static int Index(Field field) { return static_cast<int>(field) - 1; }

  std::array<std::string, kFieldCount> texts_{};
  std::array<bool, 4> enabled_{true, true, true, true};
  bool twoLimbs_ = false;
  int position_ = kTrackBarRated;
  std::vector<std::string> messages_;
  std::vector<Field> writes_;
};

}  // namespace tavro::design
