// The transformer section of the printable report: the standard candidates
// with the marked one, and the winding of one's own transformer, the same
// lines the window and the command line show, in the document's language
// and decimal separator.
#pragma once

#include "design/calculate.h"
#include "design/transformer/suggest.h"
#include "design/transformer/winding.h"
#include "pdf/pdf_report.h"

namespace tavro::pdf {

// A header row (transformer, with it), what the design needs as a
// sub-heading, then one row per candidate, the marked one saying so.
PdfTable CandidatesTable(const design::transformer::Suggestion& suggestion, char separator);

// The family and flux density asked for as the header row, then one row per
// line of the winding (or why there is none).
PdfTable WindingTable(const design::Design& design,
                      const design::transformer::WindingRequest& request,
                      const design::transformer::WindingResult& winding, char separator);

}  // namespace tavro::pdf
