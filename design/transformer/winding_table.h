// The winding as lines of text in the user's language: the core, the turns,
// each winding's wire and resistances, the fill, the losses and temperature,
// and the rectifier with the wound transformer beside the method's estimates.
#pragma once

#include <string>
#include <vector>

#include "design/transformer/winding.h"
#include "design/translatable.h"

namespace tavro::design::transformer {

std::vector<std::string> WindingLines(const Design& design, const Winding& w, char separator,
                                      const TextLookup& lookup = Untranslated);

// "Ш-образные пластины (E-I)", ...
std::string FamilyText(CoreFamily family, const TextLookup& lookup = Untranslated);

std::string WindingErrorText(WindingError error, const TextLookup& lookup = Untranslated);

// How far `value` is from `reference`, in % of it, with its sign ("+19.2",
// "−3.45").
std::string SignedPercent(long double value, long double reference, char separator);

}  // namespace tavro::design::transformer
