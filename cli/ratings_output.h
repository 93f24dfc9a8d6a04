// The parts to buy on the command line: the mains and part settings read from
// the options, the "Выбор элементов" table as text, the JSON groups mains,
// corners, ratings and warnings, and the batch's extra columns.
#pragma once

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
  std::string Diode;    // a library name (--diode); empty: none chosen
  std::string Ambient;  // °C around the parts
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
std::string RenderSelection(const design::Design& design, const RatingsRequest& request,
                            char separator);

// "Внимание: ..." lines, one per plausibility warning; empty when none.
std::string RenderWarnings(const design::Design& design);

// mains, corners, ratings and warnings.
void WriteRatingsJson(json::Writer& json, const design::Design& design,
                      const RatingsRequest& request);

// The batch's extra columns: the header (each name after a comma), a design's
// values and the empty columns of a row with a message.
std::string RatingsColumnsHeader();
// With a diode chosen, its columns follow the others.
std::string RatingsColumnsHeader(const RatingsRequest& request);
std::string EmptyRatingsColumns(const RatingsRequest& request);
std::string RatingsColumns(const design::Design& design, const RatingsRequest& request);
std::string EmptyRatingsColumns();

}  // namespace tavro::cli
