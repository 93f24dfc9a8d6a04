#include "design/transformer/transformer_data.h"

#include <cmath>

#include "design/calculate.h"
#include "mathem/faults.h"

namespace tavro::design {
namespace {

bool Positive(long double v) {
  return std::isfinite(v) && v > 0.0L;
}

bool NonNegative(long double v) {
  return std::isfinite(v) && v >= 0.0L;
}

// The leakage inductance the method gives the transformer it would design
// with this EMF and this rated secondary current: the rated load (U0, I0) of
// that design found by a fixed point (the design's U2/U0 and I2/I0 vary
// slowly with the size), then its Ls. False when the design fails or the
// point does not settle.
bool EstimateLeakage(const TransformerData& data, const Mains& mains, TransformerModel& m) {
  constexpr int kMaxSteps = 100;
  constexpr long double kSettled = 1e-13L;
  CalculationOptions options;
  options.Supply = mains;
  long double u0 = m.Emf;
  long double i0 = m.RatedCurrent / 1.5L;
  for (int step = 0; step < kMaxSteps; ++step) {
    const Calculation c =
        Calculate({u0, i0, 1.0L, data.Limbs, data.FluxDensity, data.DiodeDrop}, options);
    const Design* d = std::get_if<Design>(&c);
    if (d == nullptr) return false;
    mathem::FaultScope faults;
    const long double voltage = m.Emf / d->Results.U2;
    const long double current = m.RatedCurrent / d->Results.I2;
    faults.Check(voltage, current);
    if (std::fabs(voltage - 1.0L) <= kSettled && std::fabs(current - 1.0L) <= kSettled) {
      m.Ls = d->Parameters.Ls;
      m.EstimateU0 = u0;
      m.EstimateI0 = i0;
      return true;
    }
    u0 *= voltage;
    i0 *= current;
    faults.Check(u0, i0);
  }
  return false;
}

}  // namespace

TransformerModelling ModelTransformer(const TransformerData& data, const Mains& mains) {
  using E = TransformerEntry;
  if (!Positive(mains.Voltage) || !Positive(mains.Frequency)) return TransformerDataError{E::Mains};
  if (!Positive(data.SecondaryVoltage)) return TransformerDataError{E::Voltage};
  if (data.RatedCurrent.has_value() == data.RatedPower.has_value() ||
      !Positive(data.RatedCurrent.value_or(data.RatedPower.value_or(0.0L)))) {
    return TransformerDataError{E::Rating};
  }
  const bool ohmmeter = data.PrimaryResistance || data.SecondaryResistance;
  if (ohmmeter &&
      !(data.PrimaryResistance && data.SecondaryResistance &&
        NonNegative(*data.PrimaryResistance) && NonNegative(*data.SecondaryResistance) &&
        *data.PrimaryResistance + *data.SecondaryResistance > 0.0L)) {
    return TransformerDataError{E::Resistances};
  }
  if (data.Leakage && (data.ShortCircuit || !Positive(*data.Leakage))) {
    return TransformerDataError{E::Leakage};
  }
  if (data.ShortCircuit && !(Positive(data.ShortCircuit->PrimaryVoltage) &&
                             Positive(data.ShortCircuit->PrimaryCurrent))) {
    return TransformerDataError{E::ShortCircuit};
  }
  if (!data.Leakage && !data.ShortCircuit &&
      !(Positive(data.FluxDensity) && (data.Limbs == 1 || data.Limbs == 2) &&
        Positive(data.DiodeDrop))) {
    return TransformerDataError{E::Estimate};
  }

  TransformerModel m{};
  const long double v = data.SecondaryVoltage;
  const long double u1 = mains.Voltage;
  E stage = E::Resistances;
  try {
    mathem::FaultScope faults;
    if (ohmmeter) {
      // The primary's resistance referred to the secondary by the square of
      // the turns ratio n = E/U1: Rtr = R2 + R1·n².
      const long double r1 = *data.PrimaryResistance;
      const long double r2 = *data.SecondaryResistance;
      m.Resistance = Origin::Measured;
      if (data.MeasuredAtNoLoad) {
        m.Emf = v;
        m.Rtr = r2 + r1 * (v / u1) * (v / u1);
        if (data.RatedCurrent) {
          m.RatedCurrent = *data.RatedCurrent;
        } else {
          // (E − I·Rtr)·I = V·A, the smaller root.
          stage = E::Rating;
          const long double va = *data.RatedPower;
          const long double disc = v * v - 4.0L * m.Rtr * va;
          if (!(disc >= 0.0L)) return TransformerDataError{E::Rating};
          m.RatedCurrent = 2.0L * va / (v + std::sqrt(disc));
        }
        m.RatedVoltage = m.Emf - m.RatedCurrent * m.Rtr;
        if (!(m.RatedVoltage > 0.0L)) return TransformerDataError{E::Resistances};
      } else {
        m.RatedVoltage = v;
        m.RatedCurrent = data.RatedCurrent ? *data.RatedCurrent : *data.RatedPower / v;
        // E = V + I·(R2 + R1·E²/U1²): a·E² − E + c = 0, the root near c.
        const long double a = m.RatedCurrent * r1 / (u1 * u1);
        const long double c = v + m.RatedCurrent * r2;
        const long double disc = 1.0L - 4.0L * a * c;
        if (!(disc >= 0.0L)) return TransformerDataError{E::Resistances};
        m.Emf = 2.0L * c / (1.0L + std::sqrt(disc));
        m.Rtr = r2 + r1 * (m.Emf / u1) * (m.Emf / u1);
      }
      m.Regulation = (m.Emf - m.RatedVoltage) / m.RatedVoltage * 100.0L;
    } else {
      m.Resistance = data.RegulationPercent ? Origin::Given : Origin::Estimated;
      stage = E::Rating;
      const long double size = data.RatedPower ? *data.RatedPower : v * *data.RatedCurrent;
      faults.Check(size);
      stage = E::Regulation;
      m.Regulation =
          data.RegulationPercent ? *data.RegulationPercent : TypicalRegulation(data.Kind, size);
      if (!(Positive(m.Regulation) && m.Regulation < 1000.0L)) {
        return TransformerDataError{E::Regulation};
      }
      const long double rise = 1.0L + m.Regulation / 100.0L;
      m.RatedVoltage = data.MeasuredAtNoLoad ? v / rise : v;
      m.Emf = data.MeasuredAtNoLoad ? v : v * rise;
      m.RatedCurrent = data.RatedCurrent ? *data.RatedCurrent : *data.RatedPower / m.RatedVoltage;
      m.Rtr = (m.Emf - m.RatedVoltage) / m.RatedCurrent;
    }
    faults.Check(m);
    stage = E::Rating;
    m.RatedPower = data.RatedPower ? *data.RatedPower : m.RatedVoltage * m.RatedCurrent;
    m.TurnsRatio = m.Emf / u1;
    faults.Check(m);
    if (!Positive(m.Emf) || !Positive(m.Rtr) || !Positive(m.RatedCurrent)) {
      return TransformerDataError{stage};
    }

    stage = E::Leakage;
    if (data.Leakage) {
      m.Ls = *data.Leakage;
      m.Leakage = Origin::Given;
    } else if (data.ShortCircuit) {
      // The short-circuit impedance at the primary, referred to the
      // secondary by n²; the winding resistance takes its real part.
      stage = E::ShortCircuit;
      const long double z = data.ShortCircuit->PrimaryVoltage / data.ShortCircuit->PrimaryCurrent *
                            m.TurnsRatio * m.TurnsRatio;
      if (!(z > m.Rtr)) return TransformerDataError{E::ShortCircuit};
      m.Ls = std::sqrt((z - m.Rtr) * (z + m.Rtr)) / mains.AngularFrequency();
      m.Leakage = Origin::Measured;
    } else {
      m.Leakage = Origin::Estimated;
      stage = E::Estimate;
      if (!EstimateLeakage(data, mains, m)) return TransformerDataError{E::Estimate};
    }
    faults.Check(m);
    if (!Positive(m.Ls)) return TransformerDataError{stage};
  } catch (const mathem::NumericalFailure&) {
    return TransformerDataError{stage};
  }
  return m;
}

const char* EntryName(TransformerEntry entry) {
  switch (entry) {
    case TransformerEntry::Voltage:
      return "voltage";
    case TransformerEntry::Rating:
      return "rating";
    case TransformerEntry::Resistances:
      return "resistances";
    case TransformerEntry::Regulation:
      return "regulation";
    case TransformerEntry::Leakage:
      return "leakage";
    case TransformerEntry::ShortCircuit:
      return "short-circuit";
    case TransformerEntry::Estimate:
      return "estimate";
    case TransformerEntry::Mains:
      return "mains";
  }
  return "unknown";
}

}  // namespace tavro::design
