#include "design/inputs.h"

#include <optional>

#include "design/decimal.h"
#include "design/texts.h"

namespace tavro::design {
namespace {

struct FormatError {
  Field Source;
};

class FieldReader {
 public:
  FieldReader(const DesignWindow& window, char separator)
      : window_(window), separator_(separator) {}

  long double Read(Field field) const {
    const std::optional<long double> value = ParseDecimal(window_.Text(field), separator_);
    if (!value) throw FormatError{field};
    return *value;
  }

 private:
  const DesignWindow& window_;
  char separator_;
};

InputReading ReadChecked(const FieldReader& fields, const DesignWindow& window, CalcState& state) {
  const auto reject = [](std::string_view message, Field source) {
    return InputRejection{message, false, source};
  };
  DesignInputs in{};
  in.U0 = fields.Read(Field::Edit1);
  if (!(in.U0 > 0.0L)) return reject(texts::kVoltageNotPositive, Field::Edit1);
  in.I0 = fields.Read(Field::Edit2);
  if (!(in.I0 > 0.0L)) return reject(texts::kCurrentNotPositive, Field::Edit2);
  if (in.I0 < kMinCurrent) return reject(texts::kCurrentBelow20mA, Field::Edit2);
  in.Kp = fields.Read(Field::Edit3);
  if (!(in.Kp > 0.0L)) return reject(texts::kRippleNotPositive, Field::Edit3);
  if (in.Kp > kMaxRipple) return reject(texts::kRippleAbove15, Field::Edit3);
  in.Limbs = window.RadioButton2Checked() ? 2 : 1;
  state.LimbsText = std::to_string(in.Limbs);
  in.Bm = fields.Read(Field::Edit5);
  if (!(in.Bm > 0.0L)) return reject(texts::kFluxNotPositive, Field::Edit5);
  in.Ud = fields.Read(Field::Edit6);
  if (!(in.Ud > 0.0L)) return reject(texts::kDiodeDropNotPositive, Field::Edit6);
  return in;
}

}  // namespace

InputReading ReadDesignInputs(const DesignWindow& window, char separator, CalcState& state) {
  try {
    return ReadChecked(FieldReader(window, separator), window, state);
  } catch (const FormatError& error) {
    return InputRejection{texts::kFormatError, true, error.Source};
  } catch (...) {
    // Any other failure while reading counts as a format error.
    return InputRejection{texts::kFormatError, true, Field::Edit1};
  }
}

}  // namespace tavro::design
