// The transformer on the command line: the standard candidates
// (--suggest-transformers) and the winding of one's own (--wind), as text
// and as the JSON objects transformer_candidates and winding.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "cli/batch.h"
#include "cli/json_writer.h"
#include "cli/ratings_output.h"
#include "design/calculate.h"
#include "design/transformer/winding.h"

namespace tavro::cli {

// The candidates with the capacitor the parts list picks for `request`.
std::string RenderCandidates(const design::Design& design, const RatingsRequest& request,
                             char separator);
void WriteCandidatesJson(json::Writer& json, const design::Design& design,
                         const RatingsRequest& request);

// With --batch: the chosen candidate's columns (kind "none" when no
// candidate meets the design), each row with its own mains and the parts
// choices of `request`.
BatchColumns CandidateColumns(const RatingsRequest& request);

// --core and --wind-flux as typed (empty: the default).
struct WindOptions {
  std::string Core, Flux;
};

// What the options fix; the rest follows the design.
struct WindChoice {
  std::optional<design::transformer::CoreFamily> Family;
  std::optional<long double> Bm;
};

// The choice, or the message for the first option that is not in range.
std::variant<WindChoice, std::string> ReadWindOptions(const WindOptions& options, char separator);

// The family the design's limbs suggest and its Bm where the choice leaves
// them; the ambient of the parts list.
design::transformer::WindingRequest WindingRequestFor(const WindChoice& choice,
                                                      const design::Design& design,
                                                      const RatingsRequest& request);

std::string RenderWinding(const design::Design& design, const RatingsRequest& request,
                          const WindChoice& choice, char separator);
void WriteWindingJson(json::Writer& json, const design::Design& design,
                      const RatingsRequest& request, const WindChoice& choice);

// With --batch: the winding's columns; wind_error names why there is no
// winding (the core) or no rectifier result with it (the stage).
BatchColumns WindingColumns(const WindChoice& choice, const RatingsRequest& request);

}  // namespace tavro::cli
