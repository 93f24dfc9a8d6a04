// Standard transformers for a design: the two or three of each kind whose
// no-load voltage lies nearest the design's EMF, each turned from its
// nameplate into the analysis' transformer and evaluated at the design's load
// at nominal and low mains with the capacitor the parts list picks. The one
// that meets the design's rectified voltage at nominal mains with the least
// V·A is marked. See docs/method.md, "Standard transformers".
#pragma once

#include <optional>
#include <vector>

#include "design/calculate.h"
#include "design/ratings/part_ratings.h"
#include "design/transformer/standard_series.h"

namespace tavro::design::transformer {

// What a catalogue prints.
struct Nameplate {
  Kind Of = Kind::Laminated;
  long double RatedVoltage;  // V rms at the rated load
  long double Power;         // V·A
  long double Regulation;    // %, rated load to no load
};

// The analysis' transformer for a nameplate.
struct Equivalent {
  long double Emf;           // V: RatedVoltage·(1 + Regulation/100)
  long double RatedCurrent;  // A: Power/RatedVoltage
  long double Rtr;           // ohm: (Emf − RatedVoltage)/RatedCurrent
  // H: the method's estimate for the rectifier this transformer would serve
  // at the design's own ratios, U0' = U0·Emf/U2 and I0' = I0·RatedCurrent/I2,
  // with the design's Kp, limbs, Bm and Ud.
  long double Ls;
};

// Throws mathem::NumericalFailure when a figure faults.
Equivalent EquivalentOf(const Nameplate& plate, const Design& design);

// Of one kind: for every listed voltage the smallest rating that carries
// `current` (A rms), then the one whose EMF lies highest below `emf` and
// the two lowest at or above it, in ascending EMF. Fewer where the series
// ends.
std::vector<Nameplate> NearestNameplates(Kind kind, long double emf, long double current);

struct SuggestionSettings {
  long double Tolerance = 0.10L;                     // mains ±, a fraction
  long double Capacitance;                           // µF, the capacitor fitted
  std::optional<long double> CapacitorVoltageClass;  // V; none: above the classes
};

// The capacitor the parts list picks (its standard value, or the design's
// Cf where no standard value is picked) and the mains tolerance.
SuggestionSettings SettingsFrom(const Design& design, const ratings::SupplyConditions& mains,
                                const ratings::CapacitorRating& capacitor);

struct CandidateCheck {
  Nameplate Plate;
  Equivalent Model{};
  // Where the analysis at nominal (low) mains stopped; empty when it ran.
  std::optional<FailureStage> NominalFailure;
  std::optional<FailureStage> LowFailure;
  long double U0Nominal = 0.0L;              // V, at the design's load current
  long double U0Low = 0.0L;                  // V
  long double Ripple = 0.0L;                 // Kp, %, nominal mains, the capacitor fitted
  long double NoLoadHigh = 0.0L;             // V: √2·Emf·(1 + tolerance)
  long double SecondaryCurrent = 0.0L;       // A rms at nominal mains
  long double Loading = 0.0L;                // SecondaryCurrent / RatedCurrent
  bool MeetsVoltage = false;                 // U0Nominal ≥ the design's U0
  bool WithinRating = false;                 // Loading ≤ 1
  std::optional<bool> WithinCapacitorClass;  // none: no class picked
};

struct Suggestion {
  SuggestionSettings Settings;
  long double NeededEmf;                   // V: the design's U2
  long double NeededCurrent;               // A: the design's I2
  std::vector<CandidateCheck> Candidates;  // laminated, then toroidal
  // The candidate meeting the design's U0 within its rating with the least
  // V·A (the lower EMF on a tie); none when no candidate does.
  std::optional<std::size_t> Chosen;
};

Suggestion SuggestTransformers(const Design& design, const SuggestionSettings& settings);

// With the capacitor the parts list picks for these mains and part choices.
Suggestion SuggestTransformers(const Design& design, const ratings::SupplyConditions& mains,
                               const ratings::PartChoices& choices);

}  // namespace tavro::design::transformer
