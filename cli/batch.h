// tavro-cli --batch: many designs, one per line of standard input, one CSV
// row per design on standard output, in input order.
//
// Input: the six inputs U0, I0, Kp, Limbs, Bm, Ud separated by commas, numbers
// in the C locale's syntax ("." before the fraction, as in 0.7 or 1.2e-3),
// read as the window reads its fields; three more columns may give the mains
// voltage, frequency and tolerance (%) of the design. Blank lines and lines starting with
// "#" are skipped; a first line starting with "U0" is a header.
// Output: a header, then per design the input line's number, the inputs and
// Phi, A, Psi, Beta, B, D, F, H, U2, I2, I1, Pframe, Urev, Idrms, Idpk, Cf and
// the load characteristic's own voltage at the rated current, each as the
// shortest decimal that reads back to the same extended value; or, for a
// design that is rejected or fails, the inputs as typed and the message the
// window would show, then in the last column (failure_stage) the stage where
// the calculation stopped (empty for a design or a rejected line). One bad
// line never stops the batch. A line longer than kMaxLineBytes is a row with
// a message and its inputs left empty; a UTF-8 byte order mark before the
// first line is dropped. Input text echoed into a row is made valid UTF-8
// (see ValidUtf8).
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ratings_output.h"

namespace tavro::cli {

inline constexpr std::size_t kMaxLineBytes = 65536;

struct BatchSummary {
  long Designs = 0;
  long WithMessage = 0;      // rejected, refused or failed
  long ExtensionFailed = 0;  // rows whose extension reported a failure
  // Why the input could not be read to its end (every line read before has
  // its row); empty when it was.
  std::string ReadError;
};

struct BatchRow;

// More columns after the message (the simulation's): their header and what
// fills them, given the calculated rows of one chunk.
struct BatchExtension {
  std::string Columns;  // ",name,name..."
  std::function<void(std::vector<BatchRow>& rows)> Extend;
};

// Columns appended at the very end of every row (the transformer's): their
// header and one row's fields, found by the thread that calculated the row;
// a row with a message gets as many empty fields.
struct BatchColumns {
  std::string Header;  // ",name,name..."
  std::function<std::string(const BatchRow& row)> Fields;
};

// jobs threads calculate side by side (at least one); rows keep input order.
// An exception from `in`'s buffer is a read error: reading stops there.
// With `ratings`, every row ends in the main ratings of its design (the mains
// of the row's own columns when it has them, else those of `ratings`), before
// the extension's columns. Where the extension gives a row simulated figures,
// its parts are rated on the larger of the method's and the simulated
// currents, and with both a last column (ratings_from_sim) names the currents
// the simulation's figures rule ("Icap_rms;Idrms;Idpk" or some of them).
// `mains`: those of a row without its own (else those of `ratings`, else
// 220 V, 50 Hz, ±10 %).
BatchSummary RunBatch(std::istream& in, std::ostream& out, int jobs,
                      const BatchExtension* extension = nullptr,
                      const RatingsRequest* ratings = nullptr,
                      const design::ratings::SupplyConditions* mains = nullptr,
                      const std::vector<BatchColumns>& appended = {});

struct BatchRow {
  std::string Text;                         // without a line ending
  bool Designed;                            // false: the row holds a message
  design::ratings::SupplyConditions Mains;  // the row's design was calculated for
  bool ExtensionFailed = false;             // set by the extension
  // The design of a designed row. With ratings, where its ratings columns lie
  // in Text, so that figures an extension sets (a simulation's) can rate it
  // again.
  std::shared_ptr<const design::Design> Calculated = {};
  std::size_t RatingsFrom = 0, RatingsTo = 0;
  std::optional<design::ratings::SimulatedFigures> Simulated = std::nullopt;
  std::string Appended = {};  // the appended columns' fields
};

// One design's row, from one input line: the six inputs, optionally followed
// by the mains voltage, frequency and tolerance (%).
BatchRow CalculateRow(long lineNumber, const std::string& line,
                      const RatingsRequest* ratings = nullptr,
                      const design::ratings::SupplyConditions* mains = nullptr);

// The header row of the output.
std::string BatchHeader(bool ratings = false);

// One CSV field (RFC 4180: quoted when it holds a comma, a quote or a line
// break) of text from the user, made valid UTF-8.
std::string CsvField(std::string_view text);

}  // namespace tavro::cli
