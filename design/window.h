// The window operations the design procedure needs, as an interface.
//
// The Qt main window and the in-memory window of the tests both implement
// it, so both run the very same Button1Click and TrackBar1Change. Texts are
// UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tavro::design {

// The window's text fields by their control names: the six inputs, the
// result and nomogram fields, and the percentage label of the slider.
enum class Field {
  Edit1 = 1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10,
  Edit11, Edit12, Edit13, Edit14, Edit15, Edit16, Edit17, Edit18, Edit19, Edit20,
  Edit21, Edit22, Edit23, Edit24, Edit25, Edit26, Edit27, Edit28, Edit29,
  Label37
};
inline constexpr int kFieldCount = 30;

// "Edit1" ... "Edit29", "Label37".
std::string FieldName(Field field);
Field FieldAt(int index);  // 0 -> Edit1, ..., 29 -> Label37
inline int FieldIndex(Field field) { return static_cast<int>(field) - 1; }  // FieldAt's inverse

enum class Group { GroupBox1 = 1, GroupBox2, GroupBox3, GroupBox4 };
std::string GroupName(Group group);

inline constexpr int kTrackBarMin = 0;
inline constexpr int kTrackBarMax = 24;
inline constexpr int kTrackBarRated = 20;

class DesignWindow {
 public:
  virtual ~DesignWindow() = default;

  virtual std::string Text(Field field) const = 0;
  virtual void SetText(Field field, std::string_view text) = 0;
  // Limbs: RadioButton2 ("2") checked, otherwise one limb.
  virtual bool RadioButton2Checked() const = 0;
  // Enables or disables a group with all its children.
  virtual void SetGroupEnabled(Group group, bool enabled) = 0;
  virtual int TrackBarPosition() const = 0;
  // Moves the slider without notifying TrackBar1Change.
  virtual void SetTrackBarPosition(int position) = 0;
  // A modal message captioned with the application title; returns when closed.
  virtual void ShowMessage(std::string_view text) = 0;
};

}  // namespace tavro::design
