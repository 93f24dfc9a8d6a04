#include "simulation/checks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "simulation/diode_models.h"
#include "simulation/measure.h"
#include "simulation/netlist.h"
#include "simulation/ngspice.h"
#include "simulation/spice_values.h"

namespace tavro::simulation {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// The vectors a run returns, in this order.
// br and acb are the bridge's AC nodes: D1 and D3 block out − br and br,
// D2 and D4 out − acb and acb.
enum Vec { kOut, kSec, kD1, kD2, kCap, kBr, kAcb, kVectorCount };

std::vector<std::string> VectorNames(const CircuitSetup& setup) {
  return {"out",
          "vsec#branch",
          "vd1#branch",
          "vd2#branch",
          setup.Load == LoadKind::ConstantVoltage ? "vload#branch" : "vc#branch",
          "br",
          "acb"};
}

void Report(const SimulationLimits& limits, const std::string& step, double fraction) {
  if (limits.Progress) limits.Progress(step, std::clamp(fraction, 0.0, 1.0));
}

// The samples of [from, to], time counted from `from`.
Waveforms Cut(const Trace& trace, double from, double to, bool constantVoltage, bool oneDiode) {
  Waveforms w;
  for (std::size_t i = 0; i < trace.Time.size(); ++i) {
    const double t = trace.Time[i];
    if (t < from || t > to) continue;
    w.Time.push_back(t - from);
    w.Vout.push_back(trace.Values[kOut][i]);
    w.Idiode.push_back(oneDiode ? trace.Values[kD1][i]
                                : std::max(trace.Values[kD1][i], trace.Values[kD2][i]));
    w.Icap.push_back(constantVoltage ? 0.0 : trace.Values[kCap][i]);
  }
  return w;
}

double Difference(double method, double simulated) {
  return std::isfinite(method) && method != 0.0 ? (simulated - method) / method * 100.0 : kNoValue;
}

ComparisonRow Row(const char* quantity, double method, double simulated) {
  return {quantity, method, simulated, Difference(method, simulated)};
}

// Figures no circuit fed from a positive EMF can have fail the check: a
// diode model the simulator cannot make sense of gives them without an error.
void RequirePlausible(const SteadyFigures& f, LoadKind load) {
  const auto fail = [](const std::string& what) {
    throw SimulationError(RunFailure::Implausible, "an impossible result (" + what + ")", what);
  };
  const std::pair<const char*, double> all[] = {{"U0", f.Vmean},
                                                {"I0", f.I0},
                                                {"RipplePP", f.RipplePP},
                                                {"Ripple100", f.Ripple100},
                                                {"I2", f.I2},
                                                {"Idavg", f.Idavg},
                                                {"Idrms", f.Idrms},
                                                {"Idpk", f.Idpk},
                                                {"Icrms", f.Icrms},
                                                {"Beta", f.BetaDegrees}};
  for (const auto& [name, value] : all) {
    if (!std::isfinite(value)) fail(std::string(name) + " is not a number");
  }
  if (!(f.Vmean > 0.0)) fail("U0 = " + SpiceNumber(f.Vmean) + " V");
  if (!(f.I0 > 0.0) && load == LoadKind::ConstantVoltage) fail("I0 = " + SpiceNumber(f.I0) + " A");
  for (const auto& [name, value] : {all[2], all[3], all[4], all[6], all[8]}) {
    if (value < 0.0) fail(std::string(name) + " = " + SpiceNumber(value));
  }
  if (!(f.BetaDegrees >= 0.0 && f.BetaDegrees <= 360.0)) {
    fail("β = " + SpiceNumber(f.BetaDegrees) + "°");
  }
}

}  // namespace

SteadyState SimulateSteadyState(const CircuitValues& values, const CircuitSetup& setup,
                                const SimulationLimits& limits) {
  const double T = 1.0 / values.Frequency;
  const bool constantVoltage = setup.Load == LoadKind::ConstantVoltage;
  RunPlan plan;
  plan.Periods = limits.MaxPeriods;
  plan.CapacitorStart = values.U0;
  const std::string text = Netlist(values, setup, plan);

  // The settling signal: the output voltage, or with the output held at U0
  // the diode's current. A period counts as settled once that signal's mean
  // has stopped moving and the charge balances: the capacitor's charge over
  // the period, C·(v(end) − v(start)) of its own voltage (the output less
  // the ESR's drop), and the secondary's mean current (an exact integral
  // over the time points, so a spike at a diode's switching weighs only its
  // own width) are near zero.
  PeriodMeans means(T, limits.SettleTolerance);
  PeriodMeans secondary(T, 0.0);
  PeriodChanges capacitor(T);
  const double balance = limits.ChargeTolerance * values.I0;
  int settledAt = 0;
  RunRequest request;
  request.Vectors = VectorNames(setup);
  request.StopTime = plan.Periods * T;
  request.StallSeconds = limits.StallSeconds;
  request.Cancel = limits.Cancel;
  request.StopAfter = [&](double t, const std::vector<double>& v) {
    const std::size_t before = means.Means().size();
    means.Add(t, constantVoltage ? v[kD1] : v[kOut]);
    secondary.Add(t, v[kSec]);
    if (!constantVoltage) capacitor.Add(t, v[kOut] - setup.Esr * v[kCap]);
    const std::vector<double>& m = means.Means();
    const std::size_t n = m.size();
    if (settledAt > 0 || n == before || n < 2) return -1.0;
    const bool steady =
        std::fabs(m[n - 1] - m[n - 2]) <= limits.SettleTolerance * std::fabs(m[n - 1]);
    const bool balanced =
        std::fabs(secondary.Means().back()) <= balance &&
        (constantVoltage || (!capacitor.Changes().empty() &&
                             std::fabs(values.Cf * capacitor.Changes().back() / T) <= balance));
    if (!steady || !balanced) return -1.0;
    settledAt = static_cast<int>(n);
    return settledAt * T;
  };
  request.Progress = [&](double fraction) {
    // Most designs settle long before the stop time: show progress per period.
    Report(limits, "steady", std::max(fraction, means.Means().size() / 20.0));
  };
  const Trace trace = NgSpice::Instance().Run(Lines(text), request);

  SteadyState state;
  state.Settled = settledAt > 0;
  state.Periods = state.Settled ? settledAt : limits.MaxPeriods;
  const double end = state.Periods * T;
  const Window last{end - T, end};
  const auto& t = trace.Time;
  const auto& v = trace.Values;
  SteadyFigures& f = state.Figures;
  if (constantVoltage) {
    // The charge the bridge delivers, from the diodes' currents: the load
    // source's own current carries single-sample spikes of hundreds of
    // amperes where the ideal diodes switch at high voltage.
    f.Vmean = values.U0;
    f.I0 = MeanOver(t, v[kD1], last) + MeanOver(t, v[kD2], last);
  } else {
    f.Vmean = MeanOver(t, v[kOut], last);
    f.Vmin = MinOver(t, v[kOut], last);
    f.RipplePP = MaxOver(t, v[kOut], last, setup.Diode.Ideal) - f.Vmin;
    f.Ripple100 = FourierAmplitude(t, v[kOut], last, 2.0 * values.Frequency);
    f.Icrms = RmsOver(t, v[kCap], last);
    f.I0 = setup.Load == LoadKind::Resistive ? f.Vmean / (values.U0 / values.I0) : values.I0;
  }
  f.I2 = RmsOver(t, v[kSec], last);
  f.Idavg = MeanOver(t, v[kD1], last);
  f.Idrms = RmsOver(t, v[kD1], last);
  f.Idpk = MaxOver(t, v[kD1], last, setup.Diode.Ideal);
  // D1's pulse in the last period; a real diode's reverse recovery dips
  // below zero after it ends.
  // A diode that never carries kConductionLevel of the rated current has no
  // pulse to end: measured at that level, β falls outside the period or is
  // not a number, and the run fails as implausible.
  const double level = std::max(kPulseEndShare * f.Idpk, kConductionLevel * values.I0);
  const double fall = PulseEnd(t, v[kD1], last, level, setup.Diode.Ideal);
  f.BetaDegrees = (fall - last.From) / T * 360.0;
  // In the steady state: the run starts from the capacitor charged to U0.
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] < last.From || t[i] > last.To) continue;
    const double out = v[kOut][i], br = v[kBr][i], acb = v[kAcb][i];
    f.PeakReverse = std::max({f.PeakReverse, out - br, br, out - acb, acb});
  }
  // D1's loss: its voltage (anode br through the sensing source, cathode
  // out) times its current, both linear between the samples.
  std::vector<double> across(t.size());
  for (std::size_t i = 0; i < t.size(); ++i) across[i] = v[kBr][i] - v[kOut][i];
  f.DiodeLoss = MeanProductOver(t, across, v[kD1], last);
  RequirePlausible(f, setup.Load);
  state.LastTwoPeriods = Cut(trace, std::max(0.0, end - 2.0 * T), end, constantVoltage, true);
  Report(limits, "steady", 1.0);
  return state;
}

namespace {

constexpr double kSurgePeriods = 1.25;

struct SwitchOn {
  double Peak;
  Trace Samples;
};

// `done`: the surge search's share done before this run, for its progress.
SwitchOn RunSwitchOn(const CircuitValues& values, const CircuitSetup& setup, double phase,
                     const SimulationLimits& limits, double done = 0.0) {
  const double T = 1.0 / values.Frequency;
  RunPlan plan;
  plan.Periods = kSurgePeriods;
  plan.PhaseDegrees = phase;
  plan.CapacitorStart = 0.0;
  RunRequest request;
  request.Vectors = VectorNames(setup);
  request.StopTime = kSurgePeriods * T;
  request.StallSeconds = limits.StallSeconds;
  request.Cancel = limits.Cancel;
  request.Progress = [&](double) { Report(limits, "surge", done); };
  SwitchOn run{0.0, NgSpice::Instance().Run(Lines(Netlist(values, setup, plan)), request)};
  const Window all{0.0, request.StopTime};
  run.Peak = std::max(MaxOver(run.Samples.Time, run.Samples.Values[kD1], all, setup.Diode.Ideal),
                      MaxOver(run.Samples.Time, run.Samples.Values[kD2], all, setup.Diode.Ideal));
  return run;
}

}  // namespace

double SwitchOnPeak(const CircuitValues& values, const CircuitSetup& setup, double phaseDegrees,
                    const SimulationLimits& limits) {
  return RunSwitchOn(values, setup, phaseDegrees, limits).Peak;
}

namespace {

// The switch-on runs of one surge search, each phase run once; the worst so
// far with its transient.
class SurgeSearch {
 public:
  SurgeSearch(const CircuitValues& values, const CircuitSetup& setup,
              const SimulationLimits& limits, int expectedRuns)
      : values_(values), setup_(setup), limits_(limits), expected_(expectedRuns) {}

  void PeakAt(double phase) {
    if (phase < 0.0 || phase > 180.0 || peaks_.count(phase) != 0) return;
    SwitchOn run =
        RunSwitchOn(values_, setup_, phase, limits_, static_cast<double>(runs_) / expected_);
    peaks_[phase] = run.Peak;
    if (run.Peak > worstPeak_) {
      worstPeak_ = run.Peak;
      worstPhase_ = phase;
      worstTrace_ = std::move(run.Samples);
    }
    Report(limits_, "surge", static_cast<double>(++runs_) / expected_);
  }

  // Walks from the worst phase so far towards a larger peak in steps of
  // `first`, then half of it and so on down to 1.25°, each step as long as it
  // finds one.
  void Refine(double first) {
    for (double step = first; step >= 1.25; step /= 2.0) {
      for (bool moved = true; moved;) {
        const double centre = worstPhase_;
        PeakAt(centre - step);
        PeakAt(centre + step);
        moved = worstPhase_ != centre;
      }
    }
  }

  double WorstPhase() const { return worstPhase_; }

  Surge Result() const {
    Surge surge;
    for (const auto& [phase, peak] : peaks_) surge.Points.push_back({phase, peak});
    surge.WorstPhaseDegrees = worstPhase_;
    surge.WorstPeak = worstPeak_;
    surge.WorstTransient =
        Cut(worstTrace_, 0.0, kSurgePeriods / values_.Frequency, false, false);
    Report(limits_, "surge", 1.0);
    return surge;
  }

 private:
  const CircuitValues& values_;
  const CircuitSetup& setup_;
  const SimulationLimits& limits_;
  int expected_;
  int runs_ = 0;
  std::map<double, double> peaks_;
  Trace worstTrace_;
  double worstPeak_ = -1.0;
  double worstPhase_ = 0.0;
};

}  // namespace

Surge SimulateSurge(const CircuitValues& values, const CircuitSetup& setup,
                    const SimulationLimits& limits) {
  SurgeSearch search(values, setup, limits, 25);
  for (int phase = 0; phase <= 180; phase += 10) search.PeakAt(phase);
  search.Refine(5.0);
  return search.Result();
}

Surge SimulateSurgeNear(const CircuitValues& values, const CircuitSetup& setup, double startDegrees,
                        const SimulationLimits& limits) {
  SurgeSearch search(values, setup, limits, 7);
  search.PeakAt(std::clamp(startDegrees, 0.0, 180.0));
  search.Refine(5.0);
  return search.Result();
}

MethodCheck CheckMethod(const CircuitValues& values, const MethodFigures& method,
                        const SimulationLimits& limits) {
  CircuitSetup setup;
  setup.Diode.Ideal = true;
  setup.Load = LoadKind::ConstantVoltage;
  MethodCheck check;
  check.State = SimulateSteadyState(values, setup, limits);
  const SteadyFigures& f = check.State.Figures;
  check.Rows = {Row("I0", method.I0, f.I0), Row("I2", method.I2, f.I2),
                Row("Idrms", method.Idrms, f.Idrms), Row("Idpk", method.Idpk, f.Idpk),
                Row("Beta", method.BetaDegrees, f.BetaDegrees)};
  check.Passed = std::all_of(check.Rows.begin(), check.Rows.end(), [](const ComparisonRow& r) {
    return std::fabs(r.DifferencePercent) <= kMethodCheckTolerancePercent;
  });
  return check;
}

CircuitCheck CheckCircuit(const CircuitValues& values, const MethodFigures& method,
                          const CircuitSetup& setup, const SimulationLimits& limits) {
  CircuitCheck check;
  check.State = SimulateSteadyState(values, setup, limits);
  const SteadyFigures& f = check.State.Figures;
  check.Rows = {Row("U0", method.U0, f.Vmean), Row("I0", method.I0, f.I0),
                // The method's own peak to peak from its pulses, not 2·Kp·U0
                // (Kp is the 2f component's amplitude).
                Row("RipplePP", method.RipplePP, f.RipplePP),
                Row("Ripple100", method.RippleAmplitude, f.Ripple100), Row("I2", method.I2, f.I2),
                Row("Idavg", method.Idavg, f.Idavg), Row("Idrms", method.Idrms, f.Idrms),
                Row("Idpk", method.Idpk, f.Idpk), Row("Beta", method.BetaDegrees, f.BetaDegrees),
                Row("Icrms", kNoValue, f.Icrms)};
  check.PeakReverseVoltage = f.PeakReverse;
  check.LowestVoltage = f.Vmin;
  check.MethodLowestVoltage = method.LowestVoltage;
  check.DiodeLoss = f.DiodeLoss;
  check.RatedReverseVoltage = RatedReverseVoltage(setup.Diode.ModelName, setup.Diode.ModelLine);
  check.BreakdownVoltage = BreakdownVoltage(setup.Diode.ModelLine);
  return check;
}

}  // namespace tavro::simulation
