// A transformer as the engineer knows it (the nameplate, an ohmmeter, a
// short-circuit test) turned into what analysis needs: the secondary EMF, the
// winding resistance referred to the secondary and the leakage inductance.
// Each figure says whether it was measured or estimated. See
// docs/method.md, section "A transformer from its nameplate".
#pragma once

#include <optional>
#include <variant>

#include "design/analysis.h"
#include "design/mains.h"
#include "design/transformer/standard_series.h"

namespace tavro::design {

// The two kinds of small mains transformer; their typical regulation differs.
using TransformerKind = transformer::Kind;
using transformer::TypicalRegulation;

// A short-circuit test: the secondary shorted, the primary fed at the mains
// frequency with the voltage that drives the current given.
struct ShortCircuitTest {
  long double PrimaryVoltage;  // V rms
  long double PrimaryCurrent;  // A rms
};

struct TransformerData {
  // V rms: the nameplate's voltage at the rated current, or, with
  // MeasuredAtNoLoad, the secondary voltage measured with no load (the EMF).
  long double SecondaryVoltage = 0.0L;
  bool MeasuredAtNoLoad = false;
  // The rating: the secondary current, or the V·A (then the current is the
  // V·A over the voltage at the rated current).
  std::optional<long double> RatedCurrent;  // A rms
  std::optional<long double> RatedPower;    // V·A
  // Winding resistances as an ohmmeter gives them (both or neither); without
  // them the regulation, the rise from rated load to no load in % of the
  // rated voltage, stands for both, by default the typical one of the kind
  // and size (TypicalRegulation).
  std::optional<long double> PrimaryResistance;    // ohm
  std::optional<long double> SecondaryResistance;  // ohm
  std::optional<long double> RegulationPercent;
  TransformerKind Kind = TransformerKind::Laminated;
  // The leakage inductance: given (referred to the secondary, H), measured
  // by a short-circuit test, or, with neither, estimated by the method's own
  // formula for the transformer the method would design for this size.
  std::optional<long double> Leakage;
  std::optional<ShortCircuitTest> ShortCircuit;
  long double FluxDensity = 1.2L;  // T, for the estimate
  int Limbs = 1;                   // limbs that carry windings, for the estimate
  long double DiodeDrop = 1.0L;    // V, for the estimate: the bridge it feeds
};

enum class Origin { Given, Measured, Estimated };

struct TransformerModel {
  long double Emf;           // V rms, no load: the analysis' U2
  long double Rtr;           // ohm, referred to the secondary
  long double Ls;            // H, referred to the secondary
  long double RatedVoltage;  // V rms at the rated current
  long double RatedCurrent;  // A rms
  long double RatedPower;    // V·A: RatedVoltage·RatedCurrent, or as given
  long double TurnsRatio;    // secondary over primary turns: Emf / mains voltage
  long double Regulation;    // %, (Emf − RatedVoltage)/RatedVoltage·100
  Origin Resistance;         // Measured: the ohmmeter; Given or Estimated: the regulation
  Origin Leakage;            // Given, Measured (short circuit) or Estimated
  // For an estimated leakage: the rated load of the rectifier the method
  // designs with this EMF and this rated secondary current.
  long double EstimateU0 = 0.0L;  // V
  long double EstimateI0 = 0.0L;  // A
};

// The entry that cannot be used.
enum class TransformerEntry {
  Voltage,       // not positive
  Rating,        // neither or both of current and V·A, or not positive
  Resistances,   // one without the other, negative, or no EMF solves them
  Regulation,    // not above 0 or not below 1000 %
  Leakage,       // not positive, or given with a short-circuit test
  ShortCircuit,  // not positive, or the impedance not above the resistance
  Estimate,      // flux density, limbs or diode drop out of range, or no design of this size
  Mains,         // the mains not positive
};

struct TransformerDataError {
  TransformerEntry Entry;
};

using TransformerModelling = std::variant<TransformerModel, TransformerDataError>;

TransformerModelling ModelTransformer(const TransformerData& data, const Mains& mains);


// "voltage", "rating", ...: stable names for the command line's JSON.
const char* EntryName(TransformerEntry entry);

}  // namespace tavro::design
