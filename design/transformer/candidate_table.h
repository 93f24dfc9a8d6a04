// The standard candidates as lines of text in the user's language: a heading
// with what the design needs, then one line per candidate with its nameplate
// and what the analysis gives with it, the chosen one marked.
#pragma once

#include <string>
#include <vector>

#include "design/transformer/suggest.h"
#include "design/translatable.h"

namespace tavro::design::transformer {

struct CandidateLine {
  std::string Plate;    // kind, voltage, V·A, regulation
  std::string Figures;  // U0, ripple, no-load voltage, loading; or why it failed
  bool Chosen = false;
};

std::string KindText(Kind kind, const TextLookup& lookup);
std::string NeedText(const Suggestion& s, char separator, const TextLookup& lookup);
std::vector<CandidateLine> CandidateLines(const Suggestion& s, char separator,
                                          const TextLookup& lookup = Untranslated);

}  // namespace tavro::design::transformer
