#include "design/worst_case.h"

#include <cmath>
#include <limits>

#include "design/run_stage.h"
#include "mathem/faults.h"

namespace tavro::design {
namespace {

constexpr long double kNotComputed = std::numeric_limits<long double>::quiet_NaN();

AnalysisInputs TransformerOf(const Design& d, long double cf, long double factor) {
  Mains mains = d.Supply;
  mains.Voltage *= factor;
  return {d.Results.U2 * factor,
          d.Parameters.Rtr,
          d.Parameters.Ls,
          d.Inputs.Ud,
          cf,
          d.Inputs.I0,
          mains};
}

// One trial: the design at nominal U0 and its rectified voltage at low mains.
struct Trial {
  std::variant<Design, Failure> Designed;
  std::optional<Analysis> Low;
};

}  // namespace

WorstCaseResult DesignForWorstCase(const WorstCaseRequest& request) {
  const DesignInputs& in = request.Inputs;
  const long double low = 1.0L - request.Tolerance;
  const long double target = in.U0;
  if (!(std::isfinite(target) && target > 0.0L && request.Tolerance >= 0.0L &&
        request.Tolerance < 1.0L)) {
    return Failure{FailureStage::ModelParameters, "U0min and the mains tolerance are out of range",
                   0, kNotComputed, kNotComputed};
  }
  CalculationOptions options;
  options.Supply = request.Supply;
  Failure last{FailureStage::ModelParameters, "", 0, kNotComputed, kNotComputed};
  int steps = 0;
  // The shortfall at low mains of the design at nominal voltage u (V); NaN
  // when the design or its analysis fails (`last` says why).
  std::optional<Design> kept;
  const auto shortfall = [&](long double u) -> long double {
    ++steps;
    DesignInputs trial = in;
    trial.U0 = u;
    Calculation c = Calculate(trial, options);
    if (auto* failure = std::get_if<Failure>(&c)) {
      last = *failure;
      return kNotComputed;
    }
    const Design& d = std::get<Design>(c);
    const AnalysisResult r = Analyse(TransformerOf(d, d.Results.Cf, low));
    if (const auto* failure = std::get_if<Failure>(&r)) {
      last = *failure;
      return kNotComputed;
    }
    kept = d;
    return std::get<Analysis>(r).U0 - target;
  };

  // The low-mains voltage grows with the nominal one: bracket the root
  // between U0min (short by the tolerance's drop, or exact without one) and
  // U0min/(1 − tolerance), doubled while still short.
  long double a = target;
  long double fa = shortfall(a);
  if (std::isnan(fa)) return last;
  long double b = target / low;
  long double fb = shortfall(b);
  for (int k = 0; k < 30 && !std::isnan(fb) && fb < 0.0L; ++k) {
    a = b;
    fa = fb;
    b *= 2.0L;
    fb = shortfall(b);
  }
  if (std::isnan(fb)) return last;
  if (fb < 0.0L) {
    return Failure{FailureStage::RatedContinuation, "no nominal voltage gives U0min at low mains",
                   0, kNotComputed, kNotComputed};
  }
  // Regula falsi with the Illinois halving: superlinear on this smooth,
  // monotonic shortfall, the bracket always kept.
  long double root = fa >= 0.0L ? a : b;
  if (fa < 0.0L) {
    int side = 0;
    for (int k = 0; k < 200; ++k) {
      const long double c = (a * fb - b * fa) / (fb - fa);
      const long double fc = shortfall(c);
      if (std::isnan(fc)) return last;
      root = c;
      if (fc == 0.0L || std::fabs(fc) <= 1e-13L * target || (b - a) <= 1e-15L * b) break;
      if ((fc < 0.0L) == (fa < 0.0L)) {
        a = c;
        fa = fc;
        if (side == -1) fb /= 2.0L;
        side = -1;
      } else {
        b = c;
        fb = fc;
        if (side == 1) fa /= 2.0L;
        side = 1;
      }
    }
  }
  if (std::isnan(shortfall(root))) return last;

  WorstCaseDesign w{*kept, 0.0L, {}, {}, {}, 0.0L, true, steps};
  const Design& d = w.Nominal;
  // Kp goes inversely with the capacitance: the design's Cf scaled to give
  // Kp at the low corner.
  const auto analyse = [&](long double cf, long double factor, Analysis& into) {
    const AnalysisResult r = Analyse(TransformerOf(d, cf, factor));
    if (const auto* failure = std::get_if<Failure>(&r)) {
      last = *failure;
      return false;
    }
    into = std::get<Analysis>(r);
    return true;
  };
  Analysis probe;
  if (!analyse(d.Results.Cf, low, probe)) return last;
  if (!RunStage(FailureStage::Results, last, [&] {
        mathem::FaultScope faults;
        w.Cf = d.Results.Cf * probe.Kp / in.Kp;
        w.NoLoadHigh = d.Results.Urev * (1.0L + request.Tolerance);
        faults.Check(w.Cf, w.NoLoadHigh);
      })) {
    return last;
  }
  if (!analyse(w.Cf, low, w.Low) || !analyse(w.Cf, 1.0L, w.AtNominal) ||
      !analyse(w.Cf, 1.0L + request.Tolerance, w.High)) {
    return last;
  }
  if (request.MaxNoLoadHighMains) w.HighLimitMet = w.NoLoadHigh <= *request.MaxNoLoadHighMains;
  return w;
}

}  // namespace tavro::design
