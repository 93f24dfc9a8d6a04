// The "Выбор элементов" table: for each part, what it must withstand and the
// standard value to buy, as rows of text (the window, the command line and
// the PDF report show the same rows).
#pragma once

#include <string>
#include <vector>

#include "design/ratings/part_ratings.h"

namespace tavro::design::ratings {

struct SelectionRow {
  std::string Part;
  std::string Requirement;
  std::string Choice;
  bool Heading = false;  // a group's title: only Part is set
};

std::vector<SelectionRow> SelectionRows(const PartRatings& ratings, char separator);

}  // namespace tavro::design::ratings
