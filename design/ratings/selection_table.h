// The "Выбор элементов" table: for each part, what it must withstand and the
// standard value to buy, as rows of text (the window, the command line and
// the PDF report show the same rows).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "design/ratings/part_ratings.h"
#include "design/readable_number.h"
#include "design/translatable.h"

namespace tavro::design::ratings {

struct SelectionRow {
  std::string Part;
  std::string Requirement;
  std::string Choice;
  bool Heading = false;  // a group's title: only Part is set
};

// The rows in the language `lookup` gives (context "ratings"), numbers with
// `separator`; the computed figures as FormatQuantity writes them, or
// readable (the standard values stay as printed on the part).
std::vector<SelectionRow> SelectionRows(const PartRatings& ratings, char separator,
                                        const TextLookup& lookup = Untranslated,
                                        NumberStyle style = NumberStyle::Plain);

// "не рассчитано: " and the reason a value is missing (a solver's message).
std::string NotComputedText(std::string_view reason, const TextLookup& lookup = Untranslated);

}  // namespace tavro::design::ratings
