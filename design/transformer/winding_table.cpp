#include "design/transformer/winding_table.h"

#include <cmath>

#include "design/ratings/quantity_format.h"
#include "design/text_template.h"
#include "design/transformer/transformer_texts.h"

namespace tavro::design::transformer {

using ratings::FormatQuantity;
using ratings::FormatStandard;

namespace {

std::string Q(long double v, char separator) {
  return FormatQuantity(v, separator);
}

std::string CoilLine(const Coil& c, std::string_view name, char separator,
                     const TextLookup& lookup) {
  std::string line = Compose(
      lookup, texts::kContext, texts::kWindCoil,
      {lookup(texts::kContext, name), std::to_string(c.Turns),
       FormatStandard(c.Conductor.Bare * 1e3L, separator),
       FormatStandard(c.Conductor.Overall * 1e3L, separator), Q(c.Density * 1e-6L, separator),
       std::to_string(c.Layers), std::to_string(c.TurnsPerLayer), Q(c.Build * 1e3L, separator),
       Q(c.MeanTurn * 1e2L, separator)});
  return line;
}

}  // namespace

std::string SignedPercent(long double value, long double reference, char separator) {
  const long double p = (value - reference) / reference * 100.0L;
  if (p < 0.0L) return "−" + Q(-p, separator);
  return "+" + Q(p, separator);
}

std::vector<std::string> WindingLines(const Design& d, const Winding& w, char separator,
                                      const TextLookup& lookup) {
  const auto compose = [&](std::string_view pattern, std::initializer_list<std::string_view> v) {
    return Compose(lookup, texts::kContext, pattern, v);
  };
  std::vector<std::string> lines;
  const Core& core = w.Chosen;
  std::string coreLine = compose(
      texts::kWindCore, {core.Name, Q(core.Ae * 1e4L, separator), Q(core.Aw * 1e4L, separator),
                         Q(core.Lfe * 1e2L, separator), Q(core.Mass, separator)});
  if (!w.Refused.empty()) {
    std::string names;
    for (const std::string& n : w.Refused) names += (names.empty() ? "" : ", ") + n;
    coreLine += "; " + compose(texts::kWindRefused, {names});
  }
  lines.push_back(coreLine);
  lines.push_back(compose(texts::kWindTurnsPerVolt,
                          {Q(w.TurnsPerVolt, separator), Q(w.RequestedFluxDensity, separator),
                           Q(w.FluxDensity, separator)}));
  const std::string hot = Q(w.WorkingTemperature, separator);
  for (const auto& [coil, name] : {std::pair{&w.Primary, texts::kWindPrimary},
                                   std::pair{&w.Secondary, texts::kWindSecondary}}) {
    lines.push_back(CoilLine(*coil, name, separator, lookup) + "; " +
                    compose(texts::kWindResistance,
                            {Q(coil->R20, separator), Q(coil->RWorking, separator), hot}));
  }
  lines.push_back(compose(texts::kWindFill,
                          {Q(w.Fill * 100.0L, separator), Q(w.Stack * 1e3L, separator),
                           Q(w.Room * 1e3L, separator), Q(w.CopperFill * 100.0L, separator)}));
  lines.push_back(
      compose(texts::kWindLosses,
              {Q(w.CopperLoss, separator), Q(w.CoreLoss, separator), Q(w.SpecificLoss, separator),
               Q(w.Surface * 1e4L, separator), Q(w.TemperatureRise, separator), hot}));
  lines.push_back(compose(texts::kWindEmf, {Q(w.Emf, separator), Q(d.Results.U2, separator)}));
  lines.push_back(compose(texts::kWindRtr, {Q(w.Rtr, separator), Q(d.Parameters.Rtr, separator),
                                            SignedPercent(w.Rtr, d.Parameters.Rtr, separator)}));
  lines.push_back(
      compose(texts::kWindLs, {Q(w.Ls * 1e3L, separator), Q(d.Parameters.Ls * 1e3L, separator),
                               SignedPercent(w.Ls, d.Parameters.Ls, separator)}));
  if (w.Result) {
    lines.push_back(
        compose(texts::kWindResult, {Q(w.Result->U0, separator), Q(d.Inputs.U0, separator),
                                     Q(w.Result->Kp, separator), Q(w.Result->I2, separator)}));
  } else {
    lines.push_back(lookup(texts::kContext, texts::kWindResultFailed));
  }
  return lines;
}

std::string FamilyText(CoreFamily family, const TextLookup& lookup) {
  switch (family) {
    case CoreFamily::LaminatedEI:
      return lookup(texts::kContext, texts::kFamilyEI);
    case CoreFamily::Toroidal:
      return lookup(texts::kContext, texts::kFamilyToroidal);
    case CoreFamily::CutC:
      break;
  }
  return lookup(texts::kContext, texts::kFamilyC);
}

std::string WindingErrorText(WindingError error, const TextLookup& lookup) {
  switch (error) {
    case WindingError::FluxDensity:
      return lookup(texts::kContext, texts::kWindFlux);
    case WindingError::NoCoreFits:
      return lookup(texts::kContext, texts::kWindNoCore);
    case WindingError::Numerical:
      break;
  }
  return lookup(texts::kContext, texts::kWindNumerical);
}

}  // namespace tavro::design::transformer
