#include "simulation/export.h"

#include <charconv>

#include "simulation/netlist.h"
#include "simulation/protocol.h"
#include "simulation/spice_values.h"

namespace tavro::simulation {
namespace {

std::string N(long double v) {
  return SpiceNumber(static_cast<double>(v));
}

// The netlist after the circuit's own comment lines: the diode, the load,
// how to run it and the notes.
std::string Standalone(const CircuitValues& values, long double expectedPeak,
                       std::vector<std::string> comments, const CircuitSetup& setup, int periods,
                       const std::string& diodeSource, const std::vector<std::string>& notes) {
  RunPlan plan;
  plan.Periods = periods;
  plan.CapacitorStart = values.U0;
  plan.Measurements = true;
  plan.ExpectedPeak = static_cast<double>(expectedPeak);
  plan.Comments = std::move(comments);
  plan.Comments.insert(
      plan.Comments.end(),
      {std::string("Diode: ") +
           (setup.Diode.Ideal ? "ideal with the method's resistance Rd" : setup.Diode.ModelName) +
           (diodeSource.empty() ? "" : " (" + diodeSource + ")"),
       std::string("Load: ") + LoadName(setup.Load) +
           (setup.Esr > 0.0 ? ", capacitor ESR " + SpiceNumber(setup.Esr) + " ohm" : ""),
       "The capacitor starts at U0; after " + std::to_string(periods) +
           " periods the circuit is in its steady state and the .meas lines",
       "measure the last period. Run: ngspice -b <this file>"});
  plan.Comments.insert(plan.Comments.end(), notes.begin(), notes.end());
  return Netlist(values, setup, plan);
}

}  // namespace

std::string StandaloneNetlist(const design::Design& d, const design::Mains& mains,
                              const CircuitSetup& setup, int periods,
                              const std::string& diodeSource,
                              const std::vector<std::string>& notes) {
  const design::DesignInputs& in = d.Inputs;
  return Standalone(ValuesOf(d, mains), d.Results.Idpk,
                    {"Inputs: U0 = " + N(in.U0) + " V, I0 = " + N(in.I0) + " A, Kp = " + N(in.Kp) +
                         " %, limbs = " + std::to_string(in.Limbs) + ", Bm = " + N(in.Bm) +
                         " T, Ud = " + N(in.Ud) + " V",
                     "Mains: " + N(mains.Voltage) + " V, " + N(mains.Frequency) + " Hz",
                     "Design: U2 = " + N(d.Results.U2) + " V, Rtr = " + N(d.Parameters.Rtr) +
                         " ohm, Ls = " + N(d.Parameters.Ls) + " H, Rd = " + N(d.Parameters.Rd) +
                         " ohm, Cf = " + N(d.Results.Cf) + " uF",
                     "Method: I2 = " + N(d.Results.I2) + " A, Idrms = " + N(d.Results.Idrms) +
                         " A, Idpk = " + N(d.Results.Idpk) + " A"},
                    setup, periods, diodeSource, notes);
}

std::string StandaloneNetlist(const design::Analysis& a, const CircuitSetup& setup, int periods,
                              const std::string& diodeSource,
                              const std::vector<std::string>& notes) {
  const design::AnalysisInputs& in = a.Inputs;
  return Standalone(
      ValuesOf(a), a.Idpk,
      {"Transformer: U2 = " + N(in.U2) + " V, Rtr = " + N(in.Rtr) + " ohm, Ls = " + N(in.Ls) +
           " H; Ud = " + N(in.Ud) + " V, Cf = " + N(in.Cf) + " uF, I0 = " + N(in.I0) + " A",
       "Mains: " + N(in.Supply.Voltage) + " V, " + N(in.Supply.Frequency) + " Hz",
       "Analysis: U0 = " + N(a.U0) + " V, Kp = " + N(a.Kp) + " %, Rd = " + N(a.Rd) + " ohm",
       "Method: I2 = " + N(a.I2) + " A, Idrms = " + N(a.Idrms) + " A, Idpk = " + N(a.Idpk) + " A"},
      setup, periods, diodeSource, notes);
}

std::vector<std::string> SurgeNotes(const SimulationReport& report) {
  // Four digits are what a reader wants here.
  const auto Short = [](double v) {
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 4);
    return std::string(buffer, written.ptr);
  };
  std::vector<std::string> notes;
  const auto note = [&](const Surge& s, const std::string& mains) {
    notes.push_back("  " + Short(s.WorstPeak) + " A in a diode, switched on at " +
                    Short(s.WorstPhaseDegrees) + " deg of the mains phase, " + mains);
  };
  if (report.SurgeResult) {
    notes.push_back("Switch-on surge with the capacitor empty, simulated (worst phase):");
    note(*report.SurgeResult, "mains " + Short(report.SurgeResult->MainsVoltage) + " V");
  }
  if (report.SurgeHighMains) {
    note(*report.SurgeHighMains, "high mains " + Short(report.SurgeHighMains->MainsVoltage) +
                                     " V (+" + Short(report.TolerancePercent) + " %)");
  }
  return notes;
}

}  // namespace tavro::simulation
