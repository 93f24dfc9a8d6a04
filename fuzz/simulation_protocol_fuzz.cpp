// Fuzzes the simulation helper's protocol, both ways: a request line either
// is refused with RejectedValue or decodes to a request that encodes and
// decodes to itself (a design's inputs or an analysis' circuit); a report
// line never throws, and what it decodes to encodes to a line that decodes to
// the same report (its figures to within an ulp, as rapidjson reads numbers);
// a progress line is either none or a finite fraction.
//
// Input: the first byte picks the parser (0: request, 1: report,
// 2: progress, by its value modulo 3); the rest is the line.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "simulation/protocol.h"
#include "simulation/spice_values.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

// rapidjson reads a number to within an ulp of the text, not always to the
// double the writer wrote: the figures agree to that, the rest exactly.
bool Near(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || a == b ||
         std::fabs(a - b) <= 1e-15 * std::max(std::fabs(a), std::fabs(b));
}

bool SameRows(const std::vector<tavro::simulation::ComparisonRow>& a,
              const std::vector<tavro::simulation::ComparisonRow>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Quantity != b[i].Quantity || !Near(a[i].Method, b[i].Method) ||
        !Near(a[i].Simulated, b[i].Simulated) ||
        !Near(a[i].DifferencePercent, b[i].DifferencePercent)) {
      return false;
    }
  }
  return true;
}

bool SameShape(const tavro::simulation::SimulationReport& a,
               const tavro::simulation::SimulationReport& b) {
  if (a.Ok != b.Ok || a.ErrorKind != b.ErrorKind || a.Error != b.Error ||
      a.ErrorDetail != b.ErrorDetail || a.DiodeName != b.DiodeName || a.LoadName != b.LoadName ||
      a.MemoryKb != b.MemoryKb || a.Method.has_value() != b.Method.has_value() ||
      a.Circuit.has_value() != b.Circuit.has_value() ||
      a.SurgeResult.has_value() != b.SurgeResult.has_value() ||
      a.SurgeHighMains.has_value() != b.SurgeHighMains.has_value()) {
    return false;
  }
  if (a.Method &&
      (a.Method->Passed != b.Method->Passed || !SameRows(a.Method->Rows, b.Method->Rows) ||
       a.Method->State.Periods != b.Method->State.Periods ||
       a.Method->State.Settled != b.Method->State.Settled)) {
    return false;
  }
  if (a.Circuit && (!SameRows(a.Circuit->Rows, b.Circuit->Rows) ||
                    a.Circuit->State.Periods != b.Circuit->State.Periods ||
                    a.Circuit->State.Settled != b.Circuit->State.Settled ||
                    !Near(a.Circuit->PeakReverseVoltage, b.Circuit->PeakReverseVoltage) ||
                    !Near(a.Circuit->RatedReverseVoltage, b.Circuit->RatedReverseVoltage) ||
                    !Near(a.Circuit->BreakdownVoltage, b.Circuit->BreakdownVoltage) ||
                    !Near(a.Circuit->DiodeLoss, b.Circuit->DiodeLoss))) {
    return false;
  }
  for (const auto& [x, y] : {std::pair{&a.SurgeResult, &b.SurgeResult},
                             std::pair{&a.SurgeHighMains, &b.SurgeHighMains}}) {
    if (*x &&
        ((*x)->Points.size() != (*y)->Points.size() || !Near((*x)->WorstPeak, (*y)->WorstPeak))) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavro::simulation;
  if (size == 0) return 0;
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (data[0] % 3) {
    case 0: {
      SimulationRequest request;
      try {
        request = DecodeRequest(line);
      } catch (const RejectedValue&) {
        return 0;
      }
      const std::string encoded = EncodeRequest(request);
      SimulationRequest again;
      try {
        again = DecodeRequest(encoded);
      } catch (const RejectedValue&) {
        Fail("an encoded request refused", encoded);
      }
      const auto& a = request.Inputs;
      const auto& b = again.Inputs;
      // An analysis' circuit, when the request is one, kept exactly too.
      const auto sameAnalysis = [](const auto& x, const auto& y) {
        return x.has_value() == y.has_value() &&
               (!x || (x->U2 == y->U2 && x->Rtr == y->Rtr && x->Ls == y->Ls && x->Ud == y->Ud &&
                       x->Cf == y->Cf && x->I0 == y->I0 && x->Supply.Voltage == y->Supply.Voltage &&
                       x->Supply.Frequency == y->Supply.Frequency));
      };
      if (!sameAnalysis(request.Analysis, again.Analysis) || a.U0 != b.U0 || a.I0 != b.I0 ||
          a.Kp != b.Kp || a.Bm != b.Bm || a.Ud != b.Ud || a.Limbs != b.Limbs ||
          request.Mains.Voltage != again.Mains.Voltage ||
          request.Mains.Frequency != again.Mains.Frequency ||
          request.MainsTolerance != again.MainsTolerance || request.Diode != again.Diode ||
          request.DiodeModel != again.DiodeModel || request.Load != again.Load ||
          request.MethodCheck != again.MethodCheck || request.Circuit != again.Circuit ||
          request.Surge != again.Surge || request.Waveforms != again.Waveforms ||
          request.Progress != again.Progress || !Near(request.Esr, again.Esr) ||
          !Near(request.StallSeconds, again.StallSeconds)) {
        Fail("request not kept", encoded);
      }
      break;
    }
    case 1: {
      const SimulationReport report = DecodeReport(line);
      if (!report.Ok && report.ErrorKind.empty()) Fail("a failure without its kind", line);
      const std::string encoded = EncodeReport(report);
      const SimulationReport again = DecodeReport(encoded);
      if (!SameShape(report, again)) Fail("report not kept", encoded);
      break;
    }
    default: {
      const auto progress = DecodeProgress(line);
      if (progress && !std::isfinite(progress->Fraction)) Fail("a fraction not finite", line);
      break;
    }
  }
  return 0;
}
