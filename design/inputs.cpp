#include "design/inputs.h"

#include <optional>

#include "design/decimal.h"
#include "design/texts.h"

namespace tavro::design {
namespace {

InputRejection Reject(Input input, std::string_view message) {
  return InputRejection{input, message, false};
}

InputReading ReadChecked(const InputTexts& texts, char separator) {
  std::optional<Input> reading;
  const auto read = [&](Input input, const std::string& text) {
    reading = input;
    const std::optional<long double> value = ParseDecimal(text, separator);
    if (!value) throw InputRejection{input, texts::kFormatError, true};
    return *value;
  };
  DesignInputs in{};
  in.U0 = read(Input::U0, texts.U0);
  if (!(in.U0 > 0.0L)) return Reject(Input::U0, texts::kVoltageNotPositive);
  in.I0 = read(Input::I0, texts.I0);
  if (!(in.I0 > 0.0L)) return Reject(Input::I0, texts::kCurrentNotPositive);
  if (in.I0 < kMinCurrent) return Reject(Input::I0, texts::kCurrentBelow20mA);
  in.Kp = read(Input::Kp, texts.Kp);
  if (!(in.Kp > 0.0L)) return Reject(Input::Kp, texts::kRippleNotPositive);
  if (in.Kp > kMaxRipple) return Reject(Input::Kp, texts::kRippleAbove15);
  in.Limbs = texts.Limbs == "2" ? 2 : 1;
  in.Bm = read(Input::Bm, texts.Bm);
  if (!(in.Bm > 0.0L)) return Reject(Input::Bm, texts::kFluxNotPositive);
  in.Ud = read(Input::Ud, texts.Ud);
  if (!(in.Ud > 0.0L)) return Reject(Input::Ud, texts::kDiodeDropNotPositive);
  return in;
}

}  // namespace

std::string& InputTexts::Of(Input input) {
  switch (input) {
    case Input::U0:
      return U0;
    case Input::I0:
      return I0;
    case Input::Kp:
      return Kp;
    case Input::Limbs:
      return Limbs;
    case Input::Bm:
      return Bm;
    case Input::Ud:
      return Ud;
  }
  return Ud;
}

const std::string& InputTexts::Of(Input input) const {
  return const_cast<InputTexts&>(*this).Of(input);
}

InputReading ReadInputs(const InputTexts& texts, char separator) {
  try {
    return ReadChecked(texts, separator);
  } catch (const InputRejection& rejection) {
    return rejection;
  }
}

bool LimbsWereRead(const InputReading& reading) {
  const auto* rejection = std::get_if<InputRejection>(&reading);
  return rejection == nullptr || rejection->Rejected > Input::Limbs;
}

}  // namespace tavro::design
