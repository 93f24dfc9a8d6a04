// What a caller asks of the simulation helper and what it answers, each one
// line of JSON. The caller sends the six inputs (exactly, as shortest
// round-trip decimals of the extended values) and the helper calculates the
// same design before it simulates; or, for a transformer one has, the
// analysis' inputs in their place, and the helper analyses the same circuit.
// The answer's JSON object is what `tavro-cli --simulate` prints as
// "simulation".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design/analysis.h"
#include "design/inputs.h"
#include "design/mains.h"
#include "simulation/checks.h"

namespace tavro::simulation {

struct SimulationRequest {
  design::DesignInputs Inputs{};
  // A transformer one has, its capacitor and load (design/analysis.h): with
  // it the request is that analysis' circuit, and Inputs is not sent. Its
  // mains are Mains.
  std::optional<design::AnalysisInputs> Analysis;
  design::Mains Mains;
  // ±, a fraction of the nominal mains voltage; above 0 the surge is also
  // found at high mains, nominal × (1 + tolerance).
  long double MainsTolerance = 0.10L;
  std::string Diode = "1N4007";  // a shipped model, unless DiodeModel is given
  std::string DiodeModel;        // a .model line typed by the user
  double Esr = 0.0;              // ohm
  LoadKind Load = LoadKind::Resistive;
  bool MethodCheck = true;
  bool Circuit = true;
  bool Surge = true;
  bool Waveforms = false;     // the samples for the plots
  bool Progress = false;      // progress lines before the report
  double StallSeconds = 5.0;  // SimulationLimits::StallSeconds
};

struct SimulationReport {
  bool Ok = false;
  std::string ErrorKind;    // "rejected", "design", "stalled", ...
  std::string Error;        // in English
  std::string ErrorDetail;  // what the kind's own text shows (FailureMessage)
  std::string DiodeName;
  std::string LoadName;
  double Esr = 0.0;
  std::optional<simulation::MethodCheck> Method;
  std::optional<simulation::CircuitCheck> Circuit;
  std::optional<simulation::Surge> SurgeResult;
  std::optional<simulation::Surge> SurgeHighMains;
  double TolerancePercent = 0.0;  // of the high mains
  long MemoryKb = 0;              // the helper's resident memory after the request
};

const char* LoadName(LoadKind load);
// "resistive", "current" (also "constant-current"), "voltage"; throws RejectedValue.
LoadKind LoadFromName(std::string_view name);

// The diode setup a request names; throws RejectedValue for an unknown
// model name or a bad .model line.
DiodeSetup DiodeOf(const SimulationRequest& request);

std::string EncodeRequest(const SimulationRequest& request);
// Throws RejectedValue on anything but a well-formed request.
SimulationRequest DecodeRequest(std::string_view line);

// One line, no line end.
std::string EncodeReport(const SimulationReport& report);
// A report that does not parse, or lacks a field of a report or of one of
// its checks, comes back as not Ok, of kind "protocol", with the reason.
SimulationReport DecodeReport(std::string_view line);
// The answer to `request`: also a protocol failure when a check it asked for
// is missing.
SimulationReport DecodeAnswer(std::string_view line, const SimulationRequest& request);

// A progress line: {"progress": 0.42, "step": "surge"}; the overall fraction
// of the request done and the step under way ("method", "circuit", "surge").
struct Progress {
  double Fraction;
  std::string Step;
};
std::string EncodeProgress(const Progress& progress);
// Nothing when the line is not a progress line.
std::optional<Progress> DecodeProgress(std::string_view line);

// This process's resident memory, kB.
long ResidentKilobytes();

// Calculates the design (or the analysis) and runs what the request asks
// for, in this process.
// Failures come back in the report, never as exceptions.
SimulationReport Simulate(const SimulationRequest& request, const SimulationLimits& limits = {});

}  // namespace tavro::simulation
