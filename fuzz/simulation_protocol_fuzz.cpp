// Fuzzes the simulation helper's protocol, both ways: a request line either
// is refused with RejectedValue or decodes to a request that encodes and
// decodes to itself; a report line never throws, and what it decodes to
// encodes to a line that decodes to the same report; a progress line is
// either none or a finite fraction.
//
// Input: the first byte picks the parser (0: request, 1: report,
// 2: progress, by its value modulo 3); the rest is the line.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "simulation/protocol.h"
#include "simulation/spice_values.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
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
      try {
        if (EncodeRequest(DecodeRequest(encoded)) != encoded) Fail("request not kept", encoded);
      } catch (const RejectedValue&) {
        Fail("an encoded request refused", encoded);
      }
      break;
    }
    case 1: {
      const SimulationReport report = DecodeReport(line);
      if (!report.Ok && report.ErrorKind.empty()) Fail("a failure without its kind", line);
      const std::string encoded = EncodeReport(report);
      if (EncodeReport(DecodeReport(encoded)) != encoded) Fail("report not kept", encoded);
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
