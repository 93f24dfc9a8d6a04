// The transformer on the command line: the standard candidates
// (--suggest-transformers) and the winding of one's own (--wind), as text
// and as the JSON objects transformer_candidates and winding.
#pragma once

#include <string>

#include "cli/json_writer.h"
#include "cli/ratings_output.h"
#include "design/calculate.h"

namespace tavro::cli {

// The candidates with the capacitor the parts list picks for `request`.
std::string RenderCandidates(const design::Design& design, const RatingsRequest& request,
                             char separator);
void WriteCandidatesJson(json::Writer& json, const design::Design& design,
                         const RatingsRequest& request);

}  // namespace tavro::cli
