#include "design/ratings/selection_table.h"

#include <cmath>

#include "design/operating_point.h"
#include "design/ratings/quantity_format.h"
#include "design/ratings/ratings_texts.h"
#include "design/text_template.h"

namespace tavro::design::ratings {
namespace {

class Rows {
 public:
  Rows(char separator, const TextLookup& lookup) : separator_(separator), lookup_(lookup) {}

  // A computed quantity and a standard value as numbers.
  std::string Q(long double value) const { return FormatQuantity(value, separator_); }
  std::string S(long double value) const { return FormatStandard(value, separator_); }
  std::string Percent(long double fraction) const { return S(fraction * 100.0L); }

  // A marked text, and a marked template filled with values.
  std::string Text(std::string_view text) const { return lookup_(texts::kContext, text); }
  std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) const {
    return Compose(lookup_, texts::kContext, pattern, values);
  }

  // The standard value with its unit, or why there is none.
  std::string Pick(const std::optional<long double>& value, long double need, std::string_view unit,
                   long double largest) const {
    if (value) return Fill(unit, {S(*value)});
    if (need > largest) return Fill(texts::kNoClassAbove, {Fill(unit, {S(largest)})});
    return "—";
  }
  std::string AtLeast(long double value, std::string_view unit) const {
    return Fill(texts::kAtLeast, {Fill(unit, {Q(value)})});
  }

  void Heading(std::string_view title) { rows_.push_back({Text(title), {}, {}, true}); }
  void Row(std::string_view part, std::string requirement, std::string choice = {}) {
    rows_.push_back({Text(part), std::move(requirement), std::move(choice), false});
  }
  std::vector<SelectionRow> Take() { return std::move(rows_); }

 private:
  char separator_;
  const TextLookup& lookup_;
  std::vector<SelectionRow> rows_;
};

std::string Check(const Rows& rows, const RatingCheck& c, std::string_view unit) {
  return rows.Fill(c.Passes ? texts::kRatingPasses : texts::kRatingFails,
                   {rows.Fill(unit, {rows.Q(c.Need)}), rows.Fill(unit, {rows.S(c.Rating)}),
                    rows.Q(std::fabs(c.MarginPercent))});
}

void ChosenDiodeRows(Rows& rows, const PartRatings& r, const TextLookup& lookup) {
  namespace t = texts;
  const DiodeSelection& s = *r.ChosenDiode;
  const DiodeDatasheet& d = *s.Diode;
  rows.Row(t::kChosenDiode, d.Name, rows.Fill(s.Passes ? t::kDiodeFits : t::kDiodeFails, {d.Name}));
  rows.Row(t::kDiodeVrrm, rows.Fill(t::kVolts, {rows.Q(s.Voltage.Need)}),
           Check(rows, s.Voltage, t::kVolts));
  rows.Row(t::kDiodeIfav, rows.Fill(t::kAmperes, {rows.Q(s.Current.Need)}),
           Check(rows, s.Current, t::kAmperes));
  if (s.Surge && s.SurgeCheck) {
    const std::string conservative = r.Diodes.Surge ? rows.Q(r.Diodes.Surge->Current) : "—";
    rows.Row(t::kDiodeIfsm,
             rows.Fill(t::kSurgeWithDiodes,
                       {rows.Q(s.Surge->Current), rows.Q(2.0L * d.Rs), conservative}),
             Check(rows, *s.SurgeCheck, t::kAmperes));
  } else {
    rows.Row(t::kDiodeIfsm, NotComputedText(s.SurgeFailure, lookup));
  }
  if (s.Equalising) {
    const EqualisingResistors& e = *s.Equalising;
    rows.Row(t::kEqualising, e.Resistance > 0.0L ? rows.Fill(t::kEqualisingValue,
                                                             {rows.S(e.Count), rows.Q(e.Resistance),
                                                              rows.Q(e.Power)})
                                                 : rows.Text(t::kEqualisingImpossible));
  }
  const DiodeHeat& h = s.Heat;
  rows.Row(t::kDiodeLoss, rows.Fill(t::kDiodeLossValue, {rows.Q(h.Loss), rows.Q(h.BridgeLoss),
                                                         rows.Q(s.Line.Vf0), rows.Q(s.Line.Rd)}));
  const std::string ambient = rows.S(r.Choices.AmbientTemperature);
  rows.Row(t::kJunctionTemperature,
           h.JunctionTemperature ? rows.Fill(t::kJunctionValue, {rows.Q(*h.JunctionTemperature),
                                                                 ambient, rows.S(d.TjMax)})
                                 : rows.Fill(t::kJunctionNoFigure, {"", ambient, rows.S(d.TjMax)}));
  std::string heatsink;
  if (!h.NeedsHeatsink) {
    heatsink = rows.Text(t::kHeatsinkNotNeeded);
  } else if (!h.HeatsinkMaxRth) {
    heatsink = rows.Text(t::kHeatsinkUnknown);
  } else if (*h.HeatsinkMaxRth <= 0.0L) {
    heatsink = rows.Text(t::kHeatsinkNone);
  } else {
    heatsink = rows.Fill(t::kHeatsinkNeeded, {rows.Q(*h.HeatsinkMaxRth)});
  }
  rows.Row(t::kHeatsink, heatsink);
  rows.Row(t::kSuggestedDiode,
           r.SuggestedDiode ? r.SuggestedDiode->Name : rows.Text(t::kNoDiodeFits));
}

}  // namespace

std::string NotComputedText(std::string_view reason, const TextLookup& lookup) {
  return Compose(lookup, texts::kContext, texts::kNotComputedBecause, {reason});
}

std::vector<SelectionRow> SelectionRows(const PartRatings& r, char separator,
                                        const TextLookup& lookup) {
  namespace t = texts;
  Rows rows(separator, lookup);
  const std::string tolerance = rows.Percent(r.Mains.Tolerance);

  const CapacitorRating& c = r.Capacitor;
  rows.Heading(t::kCapacitorHeading);
  rows.Row(t::kCapacitance,
           rows.Fill(t::kCapacitanceNeeded,
                     {rows.Q(c.NeededCapacitance), rows.Percent(r.Choices.CapacitanceTolerance)}),
           c.Capacitance ? rows.Fill(t::kCapacitanceInSeries,
                                     {rows.S(*c.Capacitance),
                                      r.Choices.Series == CapacitanceSeries::E6 ? "E6" : "E12"})
                         : "—");
  rows.Row(t::kCapacitorVoltage,
           rows.Fill(t::kCapacitorVoltageNeeded, {rows.Q(c.WorkingVoltage), tolerance}),
           rows.Pick(c.VoltageClass, c.WorkingVoltage, t::kVolts,
                     std::end(kCapacitorVoltageClasses)[-1]));
  rows.Row(t::kRippleCurrent, rows.Fill(t::kRippleCurrentNeeded, {rows.Q(c.RippleCurrent)}),
           rows.AtLeast(c.RippleCurrent, t::kAmperes));

  const DiodeRating& d = r.Diodes;
  rows.Heading(t::kDiodesHeading);
  rows.Row(t::kReverseVoltage,
           rows.Fill(t::kReverseVoltageNeeded,
                     {rows.Q(d.ReverseVoltage), tolerance, rows.S(r.Choices.DiodeVoltageMargin),
                      rows.Q(d.NeededReverseVoltage)}),
           rows.Pick(d.ReverseClass, d.NeededReverseVoltage, t::kVolts,
                     std::end(kDiodeVoltageClasses)[-1]));
  rows.Row(t::kMeanCurrent, rows.Fill(t::kAmperes, {rows.Q(d.MeanCurrent)}),
           rows.AtLeast(d.MeanCurrent, t::kAmperes));
  rows.Row(t::kRmsCurrent, rows.Fill(t::kAmperes, {rows.Q(d.RmsCurrent)}));
  rows.Row(t::kRepetitivePeak, rows.Fill(t::kAmperes, {rows.Q(d.PeakCurrent)}));
  if (d.Surge) {
    rows.Row(t::kSurge,
             rows.Fill(t::kSurgeNeeded,
                       {rows.Q(d.Surge->Current), rows.Q(Degrees(d.Surge->Phase)), tolerance}),
             rows.Fill(t::kIfsmAtLeast, {rows.Q(d.Surge->Current)}));
  } else {
    rows.Row(t::kSurge, NotComputedText(d.SurgeFailure, lookup));
  }
  if (r.ChosenDiode) ChosenDiodeRows(rows, r, lookup);

  const TransformerRating& tr = r.Transformer;
  rows.Heading(t::kTransformerHeading);
  rows.Row(t::kFramePower, rows.Fill(t::kVoltAmperes, {rows.Q(tr.FramePower)}));
  rows.Row(t::kSecondary, rows.Fill(t::kSecondaryRating,
                                    {rows.Q(tr.SecondaryNoLoad), rows.Q(tr.SecondaryRatedLoad),
                                     rows.Q(tr.SecondaryCurrent)}));
  rows.Row(t::kPrimary, rows.Fill(t::kPrimaryRating,
                                  {rows.S(tr.PrimaryVoltage), rows.S(r.Mains.Supply.Frequency),
                                   rows.Q(tr.PrimaryCurrent)}));

  const OperatingCorners& k = r.Corners;
  rows.Heading(t::kCornersHeading);
  const std::string lowOutput =
      k.LowMains ? rows.Fill(t::kLowMainsOutputValues,
                             {rows.Q(k.LowMains->MeanVoltage), rows.Q(k.LowMains->LowestVoltage)})
                 : NotComputedText(k.LowFailure, lookup);
  rows.Row(t::kLowMainsOutput, rows.Fill(t::kLowMainsConditions, {tolerance, lowOutput}));
  rows.Row(t::kHighMainsNoLoad,
           rows.Fill(t::kHighMainsNoLoadValue, {tolerance, rows.Q(k.NoLoadHighMains)}));
  return rows.Take();
}

}  // namespace tavro::design::ratings
