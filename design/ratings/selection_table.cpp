#include "design/ratings/selection_table.h"

#include "design/ratings/quantity_format.h"
#include "design/ratings/ratings_texts.h"
#include "design/operating_point.h"

namespace tavro::design::ratings {
namespace {

class Rows {
 public:
  explicit Rows(char separator) : separator_(separator) {}

  std::string Q(long double value, std::string_view unit) const {
    return FormatQuantity(value, separator_) + std::string(unit);
  }
  std::string S(long double value, std::string_view unit) const {
    return FormatStandard(value, separator_) + std::string(unit);
  }
  std::string Percent(long double fraction) const {
    return FormatStandard(fraction * 100.0L, separator_) + std::string(texts::kPercent);
  }
  // The standard value, or why there is none.
  std::string Pick(const std::optional<long double>& value, long double need, std::string_view unit,
                   long double largest) const {
    if (value) return S(*value, unit);
    if (need > largest) return std::string(texts::kNoClass) + S(largest, unit);
    return "—";
  }

  void Heading(std::string_view title) { rows_.push_back({std::string(title), {}, {}, true}); }
  void Row(std::string_view part, std::string requirement, std::string choice = {}) {
    rows_.push_back({std::string(part), std::move(requirement), std::move(choice), false});
  }
  std::vector<SelectionRow> Take() { return std::move(rows_); }

 private:
  char separator_;
  std::vector<SelectionRow> rows_;
};

}  // namespace

std::vector<SelectionRow> SelectionRows(const PartRatings& r, char separator) {
  namespace t = texts;
  Rows rows(separator);
  const std::string plusTolerance = rows.Percent(r.Mains.Tolerance);

  const CapacitorRating& c = r.Capacitor;
  rows.Heading(t::kCapacitorHeading);
  rows.Row(t::kCapacitance,
           std::string(t::kAtLeast) + rows.Q(c.NeededCapacitance, t::kMicrofarad) +
               std::string(t::kWithTolerance) + rows.Percent(r.Choices.CapacitanceTolerance),
           c.Capacitance
               ? rows.S(*c.Capacitance, t::kMicrofarad) +
                     std::string(r.Choices.Series == CapacitanceSeries::E6 ? t::kSeriesE6
                                                                           : t::kSeriesE12)
               : "—");
  rows.Row(t::kCapacitorVoltage,
           rows.Q(c.WorkingVoltage, t::kVolt) + std::string(t::kAtNoLoad) +
               std::string(t::kMainsPlus) + plusTolerance,
           rows.Pick(c.VoltageClass, c.WorkingVoltage, t::kVolt,
                     std::end(kCapacitorVoltageClasses)[-1]));
  rows.Row(t::kRippleCurrent, rows.Q(c.RippleCurrent, t::kAmpere) + std::string(t::kRms),
           std::string(t::kAtLeast) + rows.Q(c.RippleCurrent, t::kAmpere));

  const DiodeRating& d = r.Diodes;
  rows.Heading(t::kDiodesHeading);
  rows.Row(t::kReverseVoltage,
           rows.Q(d.ReverseVoltage, t::kVolt) + std::string(t::kPeakAtHighMains) + plusTolerance +
               std::string(t::kWithMargin) +
               FormatStandard(r.Choices.DiodeVoltageMargin, separator) + ": " +
               rows.Q(d.NeededReverseVoltage, t::kVolt),
           rows.Pick(d.ReverseClass, d.NeededReverseVoltage, t::kVolt,
                     std::end(kDiodeVoltageClasses)[-1]));
  rows.Row(t::kMeanCurrent, rows.Q(d.MeanCurrent, t::kAmpere),
           std::string(t::kAtLeast) + rows.Q(d.MeanCurrent, t::kAmpere));
  rows.Row(t::kRmsCurrent, rows.Q(d.RmsCurrent, t::kAmpere));
  rows.Row(t::kRepetitivePeak, rows.Q(d.PeakCurrent, t::kAmpere));
  if (d.Surge) {
    rows.Row(t::kSurge,
             rows.Q(d.Surge->Current, t::kAmpere) + std::string(t::kSurgeAt) +
                 FormatQuantity(Degrees(d.Surge->Phase), separator) +
                 std::string(t::kDegree) + std::string(t::kSurgeConditions) + plusTolerance +
                 std::string(t::kSurgeEmpty),
             std::string(t::kIfsm) + rows.Q(d.Surge->Current, t::kAmpere));
  } else {
    rows.Row(t::kSurge, std::string(t::kNotComputed) + d.SurgeFailure);
  }

  const TransformerRating& tr = r.Transformer;
  rows.Heading(t::kTransformerHeading);
  rows.Row(t::kFramePower, rows.Q(tr.FramePower, t::kVoltAmpere));
  rows.Row(t::kSecondary, rows.Q(tr.SecondaryNoLoad, t::kVolt) + std::string(t::kNoLoad) +
                              rows.Q(tr.SecondaryRatedLoad, t::kVolt) + std::string(t::kAtCurrent) +
                              rows.Q(tr.SecondaryCurrent, t::kAmpere));
  rows.Row(t::kPrimary, rows.S(tr.PrimaryVoltage, t::kVolt) + ", " +
                            rows.S(r.Mains.Supply.Frequency, t::kHertz) +
                            std::string(t::kAtCurrent) + rows.Q(tr.PrimaryCurrent, t::kAmpere));

  const OperatingCorners& k = r.Corners;
  rows.Heading(t::kCornersHeading);
  const std::string lowConditions =
      std::string(t::kMainsMinus) + plusTolerance + std::string(t::kRatedCurrentSuffix);
  if (k.LowMains) {
    rows.Row(t::kLowMainsOutput, lowConditions + std::string(t::kMeanPrefix) +
                                     rows.Q(k.LowMains->MeanVoltage, t::kVolt) +
                                     std::string(t::kLowestPrefix) +
                                     rows.Q(k.LowMains->LowestVoltage, t::kVolt));
  } else {
    rows.Row(t::kLowMainsOutput, lowConditions + std::string(t::kNotComputed) + k.LowFailure);
  }
  rows.Row(t::kHighMainsNoLoad, std::string(t::kMainsPlus) + plusTolerance +
                                    std::string(t::kColonSpace) +
                                    rows.Q(k.NoLoadHighMains, t::kVolt));
  return rows.Take();
}

}  // namespace tavro::design::ratings
