#include "cli/batch.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/exact_decimal.h"
#include "cli/language.h"
#include "cli/safe_text.h"
#include "design/calculate.h"
#include "design/inputs.h"
#include "design/texts.h"
#include "i18n/catalogue.h"

namespace tavro::cli {
namespace {

constexpr std::string_view kColumns =
    "line,U0,I0,Kp,Limbs,Bm,Ud,Phi,A,Psi,Beta,B,D,F,H,U2,I2,I1,Pframe,Urev,Idrms,Idpk,Cf,"
    "Urated_model,message,failure_stage";
constexpr int kResultColumns = 17;  // Phi ... Urated_model
constexpr std::size_t kInputCount = 6;
constexpr std::size_t kInputWithMainsCount = 9;  // and the mains voltage, frequency, tolerance

// Designs read before they are calculated and written: bounds the memory a
// long input needs while keeping every thread busy.
constexpr std::size_t kChunk = 512;

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

std::vector<std::string_view> Split(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(Trim(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}

std::string Join(std::initializer_list<long double> values) {
  std::string row;
  for (long double v : values) row += "," + Exact(v);
  return row;
}

BatchRow MessageRow(long lineNumber, const std::vector<std::string_view>& fields,
                    std::string_view message, const RatingsRequest* ratings,
                    std::string_view stage = {}) {
  std::string row = std::to_string(lineNumber);
  for (std::size_t i = 0; i < kInputCount; ++i) {
    row += ',';
    if (i < fields.size()) row += CsvField(fields[i]);
  }
  row.append(kResultColumns, ',');
  row += ',' + CsvField(message) + ',' + std::string(stage);
  if (ratings) row += EmptyRatingsColumns(*ratings);
  return {row, false, {}};
}

std::string TooLongMessage() {
  return std::string(texts::kLineTooLong) + std::to_string(kMaxLineBytes) + " bytes";
}

bool Skipped(std::string_view line) {
  const std::string_view t = Trim(line);
  return t.empty() || t.front() == '#';
}

bool IsHeader(std::string_view line) {
  const std::string_view t = Trim(line);
  return t.size() >= 2 && (t[0] == 'U' || t[0] == 'u') && t[1] == '0' &&
         (t.size() == 2 || t[2] == ',' || t[2] == ' ' || t[2] == '\t');
}

struct Line {
  long Number;
  std::string Text;
  bool TooLong = false;  // Text is empty then
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class Got { Line, TooLong, End };

// One line without its '\n' into `text`, read through `buffer` (of
// kMaxLineBytes + 1); of a longer line, its first kMaxLineBytes are kept and
// the rest is skipped.
Got ReadLine(std::istream& in, std::vector<char>& buffer, std::string& text) {
  in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  const auto got = static_cast<std::size_t>(in.gcount());
  if (in.fail()) {
    if (got == 0) return Got::End;
    in.clear(in.rdstate() & ~std::ios::failbit);
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    text.assign(buffer.data(), got);
    return Got::TooLong;
  }
  // Without the end of the input, getline stopped at the '\n' it took.
  text.assign(buffer.data(), in.eof() ? got : got - 1);
  return Got::Line;
}

// Sets exceptions on `in`'s bad state for as long as it lives, so that an
// exception from its buffer reaches the reader.
class ReadErrorsThrow {
 public:
  explicit ReadErrorsThrow(std::istream& in) : in_(in), mask_(in.exceptions()) {
    if (!in.bad()) in.exceptions(mask_ | std::ios::badbit);
  }
  ~ReadErrorsThrow() {
    try {
      in_.exceptions(mask_);
    } catch (const std::ios::failure&) {
      // The stream stays bad; nothing reads it after the batch.
    }
  }
  ReadErrorsThrow(const ReadErrorsThrow&) = delete;
  ReadErrorsThrow& operator=(const ReadErrorsThrow&) = delete;

 private:
  std::istream& in_;
  std::ios::iostate mask_;
};

}  // namespace

std::string CsvField(std::string_view raw) {
  const std::string text = ValidUtf8(raw);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string q = "\"";
  for (char c : text) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

std::string BatchHeader(bool ratings) {
  return std::string(kColumns) + (ratings ? RatingsColumnsHeader() : std::string());
}

BatchRow CalculateRow(long lineNumber, const std::string& line, const RatingsRequest* ratings,
                      const design::ratings::SupplyConditions* mains) {
  const std::vector<std::string_view> fields = Split(line);
  const bool withRatings = ratings != nullptr;
  if (fields.size() != kInputCount && fields.size() != kInputWithMainsCount) {
    return MessageRow(lineNumber, fields,
                      std::string(texts::kFieldCount) + std::to_string(fields.size()), ratings);
  }
  if (fields[3] != "1" && fields[3] != "2") {
    return MessageRow(lineNumber, fields, texts::kLimbs, ratings);
  }
  RatingsRequest request = ratings != nullptr ? *ratings : RatingsRequest{};
  if (mains != nullptr) request.Mains = *mains;
  if (fields.size() == kInputWithMainsCount) {
    auto own = ReadSupply(fields[6], fields[7], fields[8], '.');
    if (const auto* message = std::get_if<std::string>(&own)) {
      return MessageRow(lineNumber, fields, *message, ratings);
    }
    request.Mains = std::get<design::ratings::SupplyConditions>(own);
  }

  const design::InputTexts typed{std::string(fields[0]), std::string(fields[1]),
                                 std::string(fields[2]), std::string(fields[3]),
                                 std::string(fields[4]), std::string(fields[5])};
  const design::InputReading reading = design::ReadInputs(typed, '.');
  if (const auto* rejection = std::get_if<design::InputRejection>(&reading)) {
    return MessageRow(lineNumber, fields,
                      i18n::TranslateUtf8(design::texts::kContext, rejection->Message), ratings);
  }
  design::CalculationOptions options;
  options.Supply = request.Mains.Supply;
  const design::Calculation calculation =
      design::Calculate(std::get<design::DesignInputs>(reading), options);
  if (const auto* failure = std::get_if<design::Failure>(&calculation)) {
    return MessageRow(
        lineNumber, fields,
        i18n::TranslateUtf8(design::texts::kContext, design::texts::FailureMessage(failure->Stage)),
        ratings, design::StageName(failure->Stage));
  }

  const design::Design& d = std::get<design::Design>(calculation);
  const design::DesignResults& r = d.Results;
  const design::NomogramCoefficients& c = d.Coefficients;
  std::string row = std::to_string(lineNumber);
  row += Join({d.Inputs.U0, d.Inputs.I0, d.Inputs.Kp});
  row += "," + std::to_string(d.Inputs.Limbs);
  row += Join({d.Inputs.Bm, d.Inputs.Ud, d.Parameters.Phi, d.A, d.Point.Psi, d.Point.Beta, c.B, c.D,
               c.F, c.H, r.U2, r.I2, r.I1, r.Pframe, r.Urev, r.Idrms, r.Idpk, r.Cf,
               d.Load.RatedRowModelVoltage});
  row += ",,";
  BatchRow result{{}, true, request.Mains};
  result.Calculated = std::make_shared<const design::Design>(d);
  if (withRatings) {
    result.RatingsFrom = row.size();
    row += RatingsColumns(d, request);
    result.RatingsTo = row.size();
  }
  result.Text = std::move(row);
  return result;
}

namespace {

// A row's ratings again with the figures its extension found, and the
// currents those figures rule.
void RateOnSimulated(BatchRow& row, const RatingsRequest& ratings) {
  std::string ruled;
  if (row.Calculated && row.Simulated) {
    const RatingsRequest request{row.Mains, ratings.Choices};
    row.Text.replace(row.RatingsFrom, row.RatingsTo - row.RatingsFrom,
                     RatingsColumns(*row.Calculated, request, row.Simulated));
    const design::ratings::CurrentBasis b =
        design::ratings::RateParts(*row.Calculated, row.Mains, ratings.Choices, row.Simulated)
            .Basis;
    for (const auto& [name, rules] : {std::pair{"Icap_rms", b.CapacitorFromSimulation},
                                      std::pair{"Idrms", b.DiodeRmsFromSimulation},
                                      std::pair{"Idpk", b.DiodePeakFromSimulation}}) {
      if (rules) ruled += (ruled.empty() ? "" : ";") + std::string(name);
    }
  }
  row.Text += "," + ruled;
}

}  // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out, int jobs,
                      const BatchExtension* extension, const RatingsRequest* ratings,
                      const design::ratings::SupplyConditions* mains,
                      const std::vector<BatchColumns>& appended) {
  jobs = std::max(jobs, 1);
  BatchSummary summary;
  const bool rateAgain = ratings != nullptr && extension != nullptr;
  out << (ratings ? std::string(kColumns) + RatingsColumnsHeader(*ratings) : BatchHeader())
      << (extension != nullptr ? extension->Columns : "") << (rateAgain ? ",ratings_from_sim" : "");
  for (const BatchColumns& columns : appended) out << columns.Header;
  out << '\n';

  const ReadErrorsThrow errorsThrow(in);
  long lineNumber = 0;
  bool first = true;
  std::string text;
  std::vector<char> buffer(kMaxLineBytes + 1);
  std::vector<Line> chunk;
  std::vector<BatchRow> rows;
  bool more = !in.bad();
  if (!more) summary.ReadError = std::string(texts::kInputNotRead);
  while (more) {
    chunk.clear();
    try {
      while (chunk.size() < kChunk) {
        const Got got = ReadLine(in, buffer, text);
        if (got == Got::End) {
          more = false;
          break;
        }
        ++lineNumber;
        if (lineNumber == 1 && text.starts_with(kByteOrderMark))
          text.erase(0, kByteOrderMark.size());
        if (got == Got::TooLong) {
          // Only its start is known: a comment, or a line too long to be a design.
          if (Trim(text).starts_with('#')) continue;
          first = false;
          chunk.push_back({lineNumber, {}, true});
          continue;
        }
        if (Skipped(text)) continue;
        const bool header = first && IsHeader(text);
        first = false;
        if (!header) chunk.push_back({lineNumber, text});
      }
    } catch (const std::exception& e) {
      // The lines read so far still get their rows.
      more = false;
      summary.ReadError = std::string(texts::kInputNotRead) +
                          (lineNumber > 0 ? " after line " + std::to_string(lineNumber) : "") +
                          ": " + e.what();
    }

    rows.assign(chunk.size(), BatchRow{});
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
      for (std::size_t i = next++; i < chunk.size(); i = next++) {
        rows[i] = chunk[i].TooLong ? MessageRow(chunk[i].Number, {}, TooLongMessage(), ratings)
                                   : CalculateRow(chunk[i].Number, chunk[i].Text, ratings, mains);
        for (const BatchColumns& columns : appended) {
          rows[i].Appended +=
              rows[i].Designed
                  ? columns.Fields(rows[i])
                  : std::string(static_cast<std::size_t>(
                                    std::count(columns.Header.begin(), columns.Header.end(), ',')),
                                ',');
        }
      }
    };
    const std::size_t helpers =
        std::min(static_cast<std::size_t>(jobs - 1), chunk.empty() ? 0 : chunk.size() - 1);
    std::vector<std::jthread> threads;
    for (std::size_t t = 0; t < helpers; ++t) threads.emplace_back(work);
    work();
    threads.clear();  // joins
    if (extension != nullptr) extension->Extend(rows);
    if (rateAgain) {
      for (BatchRow& row : rows) RateOnSimulated(row, *ratings);
    }

    for (const BatchRow& row : rows) {
      out << row.Text << row.Appended << '\n';
      ++summary.Designs;
      summary.WithMessage += row.Designed ? 0 : 1;
      summary.ExtensionFailed += row.ExtensionFailed ? 1 : 0;
    }
  }
  out.flush();
  return summary;
}

}  // namespace tavro::cli
