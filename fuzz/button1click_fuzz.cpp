// Fuzzes a whole press of "Расчёт" on the in-memory window: the five typed
// texts, the limbs choice and the decimal separator. Every press must keep the outcome rule (a complete
// design, or exactly one message; no field that is not a display number),
// and after a complete design every slider position must show its row.
// Time is bounded by libFuzzer's -timeout.
//
// Input: first byte: bit 0 two limbs, bit 1 comma separator; the rest is the
// texts of Edit1, Edit2, Edit3, Edit5 and Edit6 separated by newlines
// (missing ones are empty).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/outcome_rule.h"
#include "design/load_table.h"
#include "common/memory_window.h"
#include "design/procedure.h"

using tavro::design::Field;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int limbs = (data[0] & 1) ? 2 : 1;
  const char sep = (data[0] & 2) ? ',' : '.';
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string texts[5];
  for (std::string& text : texts) {
    const std::size_t end = rest.find('\n');
    text = std::string(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }

  tavro::design::MemoryWindow window;
  tavro::design::DesignProcedure procedure(sep);
  procedure.FormCreate(window);
  const Field inputs[] = {Field::Edit1, Field::Edit2, Field::Edit3, Field::Edit5, Field::Edit6};
  for (int i = 0; i < 5; ++i) window.Type(inputs[i], texts[i]);
  window.ChooseLimbs(limbs);

  const tavro::design::ClickOutcome outcome = procedure.Button1Click(window);
  const std::string broken = tavro::test::CheckOutcome(outcome, window, procedure);
  if (!broken.empty()) {
    std::fprintf(stderr, "outcome rule broken: %s\n", broken.c_str());
    std::abort();
  }
  if (outcome != tavro::design::ClickOutcome::Complete) return 0;

  for (int position = 0; position <= 24; ++position) {
    window.MoveSlider(position);
    procedure.TrackBar1Change(window);
    for (Field f : {Field::Edit25, Field::Edit26, Field::Edit28, Field::Edit29}) {
      if (!tavro::test::IsDisplayNumber(window.Text(f))) {
        std::fprintf(stderr, "row %d shows \"%s\"\n", position, window.Text(f).c_str());
        std::abort();
      }
    }
    if (window.Text(Field::Label37) != tavro::design::PercentText(position)) std::abort();
  }
  return 0;
}
