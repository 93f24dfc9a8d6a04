#include "simulation/comparison_table.h"

#include <charconv>
#include <cmath>

#include "design/text_template.h"
#include "simulation/texts.h"

namespace tavro::simulation {
namespace {

std::string WithSeparator(std::string text, char separator) {
  for (char& c : text) c = c == '.' ? separator : c;
  return text;
}

// Whatever locale the process runs in.
std::string Formatted(double v, std::chars_format format, int precision) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, v, format, precision);
  return std::string(buffer, written.ptr);
}

std::string Value(double v, char separator) {
  if (!std::isfinite(v)) return "—";
  return WithSeparator(Formatted(v, std::chars_format::general, 5), separator);
}

std::string Difference(double v, char separator) {
  if (!std::isfinite(v)) return "—";
  const std::string text = Formatted(v, std::chars_format::fixed, std::fabs(v) < 0.1 ? 4 : 2);
  return WithSeparator((v >= 0.0 ? "+" : "") + text, separator);
}

class Lines {
 public:
  Lines(char separator, const design::TextLookup& lookup, design::NumberStyle style)
      : separator_(separator), lookup_(lookup), style_(style) {}

  // A marked text in the language of the lookup.
  std::string T(std::string_view text) const { return lookup_(texts::kContext, text); }

  void Section(std::string title) {
    TableLine line;
    line.Section = true;
    line.Cells[0] = std::move(title);
    lines_.push_back(std::move(line));
  }

  void Row(std::string_view name, double method, double simulated, double difference) {
    lines_.push_back(
        {false, {T(name), Figure(method), Figure(simulated), Difference(difference, separator_)}});
  }

  void Rows(const std::vector<ComparisonRow>& rows) {
    for (const ComparisonRow& r : rows) {
      Row(texts::QuantityName(r.Quantity), r.Method, r.Simulated, r.DifferencePercent);
    }
  }

  void Surge(const simulation::Surge& s, std::string title) {
    Section(std::move(title));
    const double none = std::nan("");
    Row(texts::kWorstPhase, s.MethodPhaseDegrees, s.WorstPhaseDegrees, none);
    const double difference = std::isfinite(s.MethodPeak) && s.MethodPeak != 0.0
                                  ? (s.WorstPeak - s.MethodPeak) / s.MethodPeak * 100.0
                                  : none;
    Row(texts::kWorstPeak, s.MethodPeak, s.WorstPeak, difference);
  }

  std::string Number(double v) const { return Value(v, separator_); }
  // A row's figure; its unit is in the quantity's name.
  std::string Figure(double v) const {
    return style_ == design::NumberStyle::Readable
               ? design::FormatReadable(static_cast<long double>(v), design::Unit::None, separator_)
               : Value(v, separator_);
  }
  std::vector<TableLine> Take() { return std::move(lines_); }

 private:
  char separator_;
  const design::TextLookup& lookup_;
  design::NumberStyle style_;
  std::vector<TableLine> lines_;
};

}  // namespace

std::vector<TableLine> ComparisonTable(const SimulationReport& r, char separator,
                                       const design::TextLookup& lookup,
                                       design::NumberStyle style) {
  Lines lines(separator, lookup, style);
  if (r.Method) {
    lines.Section(lines.T(texts::kMethodCheck) + " — " +
                  lines.T(r.Method->Passed ? texts::kPassed : texts::kFailed));
    lines.Rows(r.Method->Rows);
  }
  if (r.Circuit) {
    std::string title = lines.T(texts::kCircuitCheck) + ": " + r.DiodeName + ", " +
                        lines.T(r.LoadName == "current" ? texts::kCurrentLoad
                                                        : texts::kResistiveLoad);
    if (r.Esr > 0.0) title += ", ESR " + lines.Number(r.Esr);
    lines.Section(std::move(title));
    lines.Rows(r.Circuit->Rows);
  }
  if (r.SurgeResult) {
    lines.Surge(*r.SurgeResult,
                lines.T(texts::kSurge) +
                    design::Compose(lookup, texts::kContext, texts::kSurgeNominalMains,
                                    {lines.Number(r.SurgeResult->MainsVoltage)}));
  }
  if (r.SurgeHighMains) {
    lines.Surge(*r.SurgeHighMains,
                lines.T(texts::kSurge) +
                    design::Compose(lookup, texts::kContext, texts::kSurgeHighMains,
                                    {lines.Number(r.SurgeHighMains->MainsVoltage),
                                     lines.Number(r.TolerancePercent)}));
  }
  return lines.Take();
}

std::vector<SimulationWarning> SimulationWarnings(const SimulationReport& r, char separator,
                                                  const design::TextLookup& lookup) {
  std::vector<SimulationWarning> warnings;
  if (r.Method && !r.Method->State.Settled) {
    warnings.push_back({"method_not_settled", lookup(texts::kContext, texts::kMethodNotSettled)});
  }
  if (r.Circuit && !r.Circuit->State.Settled) {
    warnings.push_back({"circuit_not_settled", lookup(texts::kContext, texts::kNotSettled)});
  }
  if (const char* limit = r.Circuit ? r.Circuit->ReverseVoltageLimit() : nullptr) {
    const bool breakdown = std::string_view(limit) == "BV";
    warnings.push_back(
        {"reverse_voltage",
         design::Compose(
             lookup, texts::kContext,
             breakdown ? texts::kReverseVoltageExceeded : texts::kReverseVoltageAboveVrrm,
             {r.DiodeName, Value(r.Circuit->PeakReverseVoltage, separator),
              Value(r.Circuit->ReverseVoltageLimitValue(), separator)}),
         limit});
  }
  return warnings;
}

std::string FailureMessage(const SimulationReport& r, const design::TextLookup& lookup) {
  if (r.ErrorKind == "stalled") return lookup(texts::kContext, texts::kStalled);
  if (r.ErrorKind == "cancelled") return lookup(texts::kContext, texts::kCancelled);
  if (r.ErrorKind == "implausible" && !r.ErrorDetail.empty()) {
    return design::Compose(lookup, texts::kContext, texts::kImpossible, {r.ErrorDetail});
  }
  if (r.ErrorKind == "protocol" && !r.ErrorDetail.empty()) {
    return design::Compose(lookup, texts::kContext, texts::kNotAReport, {r.ErrorDetail});
  }
  return r.Error;
}

std::string FailureMessage(const HelperFailure& failure, const design::TextLookup& lookup) {
  const std::vector<std::string>& a = failure.Args();
  if (failure.Pattern().empty() || a.size() > 2) return failure.what();
  return design::Compose(lookup, texts::kContext, failure.Pattern(),
                         {a.size() > 0 ? a[0] : "", a.size() > 1 ? a[1] : ""});
}

}  // namespace tavro::simulation
