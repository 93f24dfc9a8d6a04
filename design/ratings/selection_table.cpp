#include "design/ratings/selection_table.h"

#include <cmath>

#include "design/operating_point.h"
#include "design/ratings/protection.h"
#include "design/ratings/quantity_format.h"
#include "design/ratings/ratings_texts.h"
#include "design/text_template.h"

namespace tavro::design::ratings {
namespace {

class Rows {
 public:
  Rows(char separator, const TextLookup& lookup, NumberStyle style)
      : separator_(separator), lookup_(lookup), style_(style) {}

  // A computed quantity and a standard value as numbers.
  std::string Q(long double value) const {
    return style_ == NumberStyle::Readable ? FormatReadable(value, Unit::None, separator_)
                                           : FormatQuantity(value, separator_);
  }
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
  NumberStyle style_;
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
  if (h.FromSimulation) {
    rows.Row(t::kDiodeLoss, rows.Fill(t::kDiodeLossSimulatedValue,
                                      {rows.Q(h.Loss), rows.Q(h.BridgeLoss), rows.Q(h.Estimate),
                                       rows.Q(s.Line.Vf0), rows.Q(s.Line.Rd)}));
  } else {
    rows.Row(t::kDiodeLoss, rows.Fill(t::kDiodeLossValue, {rows.Q(h.Loss), rows.Q(h.BridgeLoss),
                                                           rows.Q(s.Line.Vf0), rows.Q(s.Line.Rd)}));
  }
  const std::string ambient = rows.S(r.Choices.Ambient);
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
                                        const TextLookup& lookup, NumberStyle style) {
  namespace t = texts;
  Rows rows(separator, lookup, style);
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
           rows.Pick(c.VoltageClass, c.NeededVoltage, t::kVolts,
                     std::end(kCapacitorVoltageClasses)[-1]));
  if (c.SwitchOnPeak && !c.SwitchOnOvershoot) {
    rows.Row(t::kSwitchOnVoltage,
             rows.Fill(t::kSwitchOnNoOvershoot, {rows.Q(*c.SwitchOnPeak), tolerance}));
  } else if (c.SwitchOnPeak) {
    rows.Row(t::kSwitchOnVoltage,
             rows.Fill(t::kSwitchOnVoltageValue,
                       {rows.Q(*c.SwitchOnPeak), rows.Q(Degrees(c.SwitchOnPhase)), tolerance}));
  } else {
    rows.Row(t::kSwitchOnVoltage, NotComputedText(c.SwitchOnFailure, lookup));
  }
  rows.Row(t::kVoltageMargin,
           rows.Fill(t::kVoltageMarginValue, {rows.S(r.Choices.CapacitorVoltageMargin),
                                              rows.Q(c.VoltageNeed), rows.Q(c.NeededVoltage)}),
           c.Headroom ? rows.Fill(t::kHeadroom, {rows.Q(*c.Headroom * 100.0L)}) : "—");
  rows.Row(t::kRippleCurrent, rows.Fill(t::kRippleCurrentNeeded, {rows.Q(c.RippleCurrent)}),
           rows.AtLeast(c.RippleCurrent, t::kAmperes));
  const CurrentBasis& b = r.Basis;
  if (b.Simulated) {
    const auto by = [&](bool simulated) {
      return rows.Text(simulated ? t::kBySimulation : t::kByMethod);
    };
    rows.Row(t::kCurrentsBasis, rows.Fill(t::kCurrentsOfBoth, {by(b.CapacitorFromSimulation),
                                                               by(b.DiodeRmsFromSimulation),
                                                               by(b.DiodePeakFromSimulation)}));
  } else {
    rows.Row(t::kCurrentsBasis,
             rows.Fill(t::kCurrentsOfMethod, {rows.S(b.TypicalCapacitorRise * 100.0L),
                                              rows.S(b.TypicalPeakRise * 100.0L)}));
  }
  if (r.Heat) {
    const CapacitorLoss& h = r.Heat->Capacitor;
    rows.Row(t::kEsr, h.EsrEstimated ? rows.Fill(t::kEsrEstimated,
                                                 {rows.Q(h.Esr), rows.S(h.DissipationFactor)})
                                     : rows.Fill(t::kEsrEntered, {rows.Q(h.Esr)}));
    rows.Row(t::kCapacitorHeat,
             rows.Fill(t::kCapacitorHeatValue, {rows.Q(h.Power), rows.Q(h.SelfHeating),
                                                rows.Q(h.Temperature), rows.S(r.Choices.Ambient)}));
    rows.Row(t::kCapacitorLife,
             rows.Fill(t::kCapacitorLifeValue,
                       {rows.Q(h.Life), rows.Q(h.Temperature), rows.S(r.Choices.CapacitorRatedLife),
                        rows.S(r.Choices.CapacitorRatedTemperature)}));
  } else {
    rows.Row(t::kCapacitorHeat, NotComputedText(r.HeatFailure, lookup));
  }

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
  if (r.Heat) {
    rows.Row(t::kCopperLoss, rows.Fill(t::kCopperLossValue, {rows.Q(r.Heat->Transformer.Copper),
                                                             rows.Q(r.Heat->Transformer.Core),
                                                             rows.S(r.Choices.CoreLossShare)}));
  }

  const OperatingCorners& k = r.Corners;
  rows.Heading(t::kCornersHeading);
  const std::string lowOutput =
      k.LowMains ? rows.Fill(t::kLowMainsOutputValues,
                             {rows.Q(k.LowMains->MeanVoltage), rows.Q(k.LowMains->LowestVoltage)})
                 : NotComputedText(k.LowFailure, lookup);
  rows.Row(t::kLowMainsOutput, rows.Fill(t::kLowMainsConditions, {tolerance, lowOutput}));
  rows.Row(t::kHighMainsNoLoad,
           rows.Fill(t::kHighMainsNoLoadValue, {tolerance, rows.Q(k.NoLoadHighMains)}));
  if (r.SimulatedLowest && r.NominalLowest) {
    rows.Row(t::kNominalLowest, rows.Fill(t::kNominalLowestValue,
                                          {rows.Q(*r.NominalLowest), rows.Q(*r.SimulatedLowest)}));
  }

  if (r.Heat) {
    const Losses& l = *r.Heat;
    rows.Heading(t::kEfficiencyHeading);
    const std::string efficiency = rows.Q(l.Supply.Efficiency * 100.0L);
    const std::string output = rows.Q(l.Supply.Output), diodes = rows.Q(l.Supply.Diodes);
    const std::string capacitor = rows.Q(l.Capacitor.Power);
    const std::string transformer = rows.Q(l.Transformer.Copper + l.Transformer.Core);
    if (r.ChosenDiode) {
      // The bridge's loss is the chosen diode's, not the method's.
      const std::string whose = rows.Fill(
          r.ChosenDiode->Heat.FromSimulation ? t::kBridgeLossSimulated : t::kBridgeLossOfModel,
          {r.ChosenDiode->Diode->Name});
      rows.Row(t::kEfficiency,
               rows.Fill(t::kEfficiencyValueChosen,
                         {efficiency, output, diodes, capacitor, transformer, whose}));
    } else {
      rows.Row(t::kEfficiency, rows.Fill(t::kEfficiencyValue,
                                         {efficiency, output, diodes, capacitor, transformer}));
    }
  }

  const Limiter& ntc = r.SwitchOn.NtcLimiter;
  const Fuse& fuse = r.SwitchOn.PrimaryFuse;
  rows.Heading(t::kSwitchOnHeading);
  const std::optional<long double> allowed = AllowedSurge(r);
  const std::optional<mathem::SwitchOnSurge>& rated = RatedSurge(r);
  if (!allowed) {
    rows.Row(t::kLimiter, rows.Text(t::kLimiterNoLimit));
  } else if (!ntc.Needed) {
    rows.Row(t::kLimiter, rated ? rows.Fill(t::kLimiterNotNeeded,
                                            {rows.Q(rated->Current), rows.Q(*allowed)})
                                : NotComputedText(d.SurgeFailure, lookup));
  } else if (!ntc.Failure.empty() || !ntc.SurgeWith) {
    rows.Row(t::kLimiter, NotComputedText(ntc.Failure, lookup));
  } else {
    rows.Row(t::kLimiter,
             rows.Fill(t::kLimiterValue,
                       {rows.Q(ntc.Resistance), rows.Q(ntc.AllowedSurge), rows.Q(ntc.SteadyCurrent),
                        rows.Q(ntc.Energy), rows.Q(ntc.SurgeWith->Current)}),
             rows.Fill(t::kOhms, {rows.S(*ntc.StandardResistance)}));
  }
  rows.Row(t::kFuse,
           rows.Fill(t::kFuseValue, {rows.Q(fuse.PrimaryCurrent), tolerance,
                                     rows.S(r.Choices.FuseFactor), rows.Q(fuse.Needed)}),
           fuse.Rating ? rows.Fill(t::kFuseRating, {rows.S(*fuse.Rating)})
                       : rows.Fill(t::kNoClassAbove, {rows.Fill(t::kAmperes, {"10"})}));
  if (fuse.SurgeIntegral && fuse.MeltingIntegral) {
    rows.Row(t::kFuseIntegral,
             rows.Fill(t::kFuseIntegralValue,
                       {rows.Q(*fuse.SurgeIntegral), rows.S(*fuse.MeltingIntegral)}),
             rows.Text(fuse.Holds() ? t::kPasses : t::kFails));
  } else if (fuse.SurgeIntegral) {
    rows.Row(t::kFuseIntegral, rows.Fill(t::kFuseIntegralUnknown, {rows.Q(*fuse.SurgeIntegral)}));
  } else {
    rows.Row(t::kFuseIntegral, NotComputedText(fuse.Failure, lookup));
  }
  return rows.Take();
}

}  // namespace tavro::design::ratings
