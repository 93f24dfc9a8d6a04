// The parts to buy on the command line: the mains and part settings read from
// the options, the "Выбор элементов" table as text, the JSON groups mains,
// corners, ratings and warnings, and the batch's extra columns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/json_writer.h"
#include "design/calculate.h"
#include "design/ratings/part_ratings.h"

namespace tavro::cli {

struct RatingsRequest {
  design::ratings::SupplyConditions Mains;
  design::ratings::PartChoices Choices;
};

// The option texts as typed (empty: the default), numbers read with
// `separator`; the tolerances in per cent.
struct RatingsOptions {
  std::string MainsVoltage, MainsFrequency, MainsTolerance, CapacitorTolerance, DiodeMargin;
  bool E12 = false;
  std::string CapacitorMargin, CapacitorEsr, CapacitorLife, CapacitorTemperature, Ambient,
      CoreLossShare, FuseFactor, SurgeLimit;
  std::string Diode;  // a library name (--diode); empty: none chosen
};

// A request, or the message for the first option that is not a number in range.
std::variant<RatingsRequest, std::string> ReadRatingsRequest(const RatingsOptions& options,
                                                             char separator);

// Mains in the batch's optional columns: voltage, frequency, tolerance (%).
std::variant<design::ratings::SupplyConditions, std::string> ReadSupply(std::string_view voltage,
                                                                        std::string_view frequency,
                                                                        std::string_view tolerance,
                                                                        char separator);

// The "Выбор элементов" table and the warnings, UTF-8, for the text output.
// With `simulated`, the currents are rated on the larger of the method's
// and the simulation's figures.
std::string RenderSelection(const design::Design& design, const RatingsRequest& request,
                            char separator,
                            const std::optional<design::ratings::SimulatedFigures>& simulated = {});

// "Внимание: ..." lines, one per plausibility warning, then with `request`
// one per warning of its chosen diode (warnings.h); empty when none.
std::string RenderWarnings(const design::Design& design, const RatingsRequest* request = nullptr);

// mains, corners, ratings, losses, protection and warnings.
void WriteRatingsJson(json::Writer& json, const design::Design& design,
                      const RatingsRequest& request,
                      const std::optional<design::ratings::SimulatedFigures>& simulated = {});

// `json` (a design's object that a simulation's member was added to, after
// `before`, the object as it was) with its members before that one replaced
// by those of `rendered`.
std::string WithBodyOf(const std::string& json, const std::string& before,
                       const std::string& rendered);

// The batch's extra columns: the header (each name after a comma), a design's
// values and the empty columns of a row with a message.
std::string RatingsColumnsHeader();
// With a diode chosen, its columns follow the others.
std::string RatingsColumnsHeader(const RatingsRequest& request);
std::string EmptyRatingsColumns(const RatingsRequest& request);
std::string RatingsColumns(const design::Design& design, const RatingsRequest& request,
                           const std::optional<design::ratings::SimulatedFigures>& simulated = {});
std::string EmptyRatingsColumns();

}  // namespace tavro::cli
