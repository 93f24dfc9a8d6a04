// The last calculation as tables: every input and result as name, value and
// unit, and the load characteristic row by row. The window copies them to the
// clipboard as tab-separated text; the PDF report prints them.
#pragma once

#include <string>
#include <vector>

#include "design/readable_number.h"
#include "design/translatable.h"
#include "report/report_text.h"

namespace tavro::report {

// The tables' names, titles and units are Russian; a front end passes its
// catalogue's lookup (context "results") for the user's language. The text
// report never does: it stays Russian.
inline constexpr char kResultsContext[] = "results";

struct ResultRow {
  std::string Name;
  std::string Value;  // the text as the window shows it
  std::string Unit;
};

struct ResultSection {
  std::string Title;
  std::vector<ResultRow> Rows;
};

// Inputs (with the mains), design results, nomogram parameters; the results
// as the window shows them, or readable (the inputs stay as typed).
std::vector<ResultSection> ResultSections(const ReportContent& content,
                                          const design::TextLookup& lookup = design::Untranslated,
                                          design::NumberStyle style = design::NumberStyle::Plain);

// The load characteristic: a header row, then 25 rows of percentage,
// current, voltage, γ and √2·cos ψ, numbers in the window's display form.
std::vector<std::vector<std::string>> LoadTableRows(
    const ReportContent& content, const design::TextLookup& lookup = design::Untranslated,
    design::NumberStyle style = design::NumberStyle::Plain);

// Both tables as tab-separated text, LF line ends, for a spreadsheet: a
// header "Величина / Значение / Единица", each section's title on a line of
// its own, then after an empty line the load characteristic. Readable
// numbers go without their thousands' grouping, so that a spreadsheet reads
// them as numbers.
std::string ResultsTabSeparated(const ReportContent& content,
                                const design::TextLookup& lookup = design::Untranslated,
                                design::NumberStyle style = design::NumberStyle::Plain);

}  // namespace tavro::report
