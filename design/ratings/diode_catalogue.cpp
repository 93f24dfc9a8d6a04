#include "design/ratings/diode_catalogue.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "design/ratings/surge.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_shape.h"

namespace tavro::design::ratings {
namespace {

// kT/q at 27 °C (300.15 K), V, from the exact SI values of k and q.
constexpr long double kThermalVoltage = 1.380649e-23L * 300.15L / 1.602176634e-19L;
constexpr long double kLn2 = 0.693147180559945309417232121458176568L;

struct Model {
  long double Is, N, Rs;
};

// The forward parameters of diodes.lib's lines.
constexpr Model k1N4007{7.02767e-9L, 1.80803L, 0.0341512L};
constexpr Model k1N5408{63.0e-9L, 1.70L, 14.1e-3L};

constexpr char kVishay1N4001[] =
    "Vishay 1N4001-1N4007: IFSM 30 A (8.3 ms), VF 1.1 V at 1 A, RthJA 50 K/W and RthJL "
    "25 K/W (0.375 in leads on a board), TJ 150 °C";
constexpr char kVishay1N5400[] =
    "Vishay 1N5400-1N5408: IFSM 200 A (8.3 ms), VF 1.2 V at 3 A, RthJA 20 K/W (0.375 in leads "
    "on a board), TJ 150 °C; RthJL not published";

std::vector<DiodeDatasheet> Build() {
  std::vector<DiodeDatasheet> c;
  const auto add = [&](std::string name, long double vrrm, long double ifav, long double ifsm,
                       long double vf, long double at, std::optional<long double> rja,
                       std::optional<long double> rjl, long double tj, Model m,
                       std::string source) {
    c.push_back({std::move(name), vrrm, ifav, ifsm, vf, at, rja, rjl, tj, m.Is, m.N, m.Rs, 1,
                 std::nullopt, std::move(source)});
  };
  const long double k1N400x[] = {50, 100, 200, 400, 600, 800, 1000};
  for (int i = 0; i < 7; ++i) {
    add("1N400" + std::to_string(i + 1), k1N400x[i], 1, 30, 1.1L, 1, 50, 25, 150, k1N4007,
        kVishay1N4001);
  }
  const long double k1N540x[] = {50, 100, 200, 300, 400, 500, 600, 800, 1000};
  for (int i = 0; i < 9; ++i) {
    add("1N540" + std::to_string(i), k1N540x[i], 3, 200, 1.2L, 3, 20, std::nullopt, 150, k1N5408,
        kVishay1N5400);
  }
  constexpr char kOnsemi5817[] =
      "onsemi 1N5817-1N5819: IFSM 25 A (8.3 ms), VF 0.45/0.55/0.60 V at 1 A, RthJA 80 K/W, "
      "TJ 125 °C; RthJL not published";
  add("1N5817", 20, 1, 25, 0.45L, 1, 80, std::nullopt, 125, {15.21e-6L, 1.1L, 0.1344L},
      kOnsemi5817);
  add("1N5818", 30, 1, 25, 0.55L, 1, 80, std::nullopt, 125, {702.2e-9L, 1.1L, 0.1469L},
      kOnsemi5817);
  add("1N5819", 40, 1, 25, 0.60L, 1, 80, std::nullopt, 125, {78.06e-9L, 1.1L, 0.1344L},
      kOnsemi5817);
  constexpr char kOnsemi5820[] =
      "onsemi 1N5820-1N5822: IFSM 80 A (8.3 ms), VF 0.475/0.50/0.525 V at 3 A, RthJA 28 K/W, "
      "TJ 125 °C; RthJL not published";
  add("1N5820", 20, 3, 80, 0.475L, 3, 28, std::nullopt, 125, {47.56e-6L, 1.1L, 0.05352L},
      kOnsemi5820);
  add("1N5821", 30, 3, 80, 0.50L, 3, 28, std::nullopt, 125, {29.82e-6L, 1.1L, 0.05742L},
      kOnsemi5820);
  add("1N5822", 40, 3, 80, 0.525L, 3, 28, std::nullopt, 125, {2.5069e-6L, 1.0281L, 11.15e-3L},
      kOnsemi5820);
  add("UF4007", 1000, 1, 30, 1.7L, 1, 50, 25, 150, {478.7e-12L, 2, 0.5899L},
      "Vishay UF4001-UF4007: IFSM 30 A (8.3 ms), VF 1.7 V at 1 A, TJ 150 °C; RthJA and RthJL "
      "those of the 1N4007 in the same DO-41 package");
  add("MUR160", 600, 1, 35, 1.25L, 1, 50, 25, 175, {4.566e-9L, 2, 0.2565L},
      "onsemi MUR160: IFSM 35 A (8.3 ms), VF 1.25 V at 1 A, TJ 175 °C; RthJA and RthJL those "
      "of a DO-41 class axial package (the datasheet refers to the mounting)");
  add("FR107", 1000, 1, 30, 1.3L, 1, 50, 25, 150, {1.737e-9L, 2, 0.2565L},
      "Diodes Incorporated FR101-FR107: IFSM 30 A (8.3 ms), VF 1.3 V at 1 A, TJ 150 °C; RthJA "
      "and RthJL those of the 1N4007 in the same DO-41 package");
  add("BYV27-200", 200, 2, 50, 1.07L, 3, 45, std::nullopt, 175, {15.25e-9L, 1.8L, 0.0603L},
      "Vishay BYV27: IFSM 50 A (10 ms), VF 1.07 V at 3 A, RthJA 45 K/W (10 mm leads), TJ "
      "175 °C; RthJL not published");
  add("MUR460", 600, 4, 110, 1.28L, 3, 28, std::nullopt, 175, {149e-9L, 2, 0.0384L},
      "onsemi MUR460: IFSM 110 A (8.3 ms), VF 1.28 V at 3 A, TJ 175 °C; RthJA that of the "
      "1N5820 in the same DO-201AD package; RthJL not published");
  add("6A10", 1000, 6, 400, 1.0L, 6, 20, std::nullopt, 150, {85.11e-9L, 1.8L, 0.02644L},
      "Diodes Incorporated 6A05-6A10: IFSM 400 A (8.3 ms), VF 1.0 V at 6 A, RthJA 20 K/W, "
      "TJ 150 °C; RthJL not published");
  // Bridges: the package's junction–case resistance is for the four diodes
  // together; one diode's share of the heat path is four times it. Their
  // average current holds only on a heatsink: no free-standing figure.
  add("GBU10M", 1000, 10, 220, 1.1L, 5, std::nullopt, 4 * 2.2L, 150, {27.3e-9L, 1.8L, 0.04284L},
      "Diodes Incorporated GBU10A-GBU10M: IF(AV) 10 A on a heatsink, IFSM 220 A (8.3 ms), VF "
      "1.1 V at 5 A per element, RthJC 2.2 K/W per bridge, TJ 150 °C");
  add("KBPC3510", 1000, 35, 400, 1.1L, 17.5L, std::nullopt, 4 * 1.4L, 150,
      {95.56e-9L, 1.8L, 0.01224L},
      "Diodes Incorporated KBPC3500-KBPC3510: IF(AV) 35 A on a heatsink, IFSM 400 A (8.3 ms), "
      "VF 1.1 V at 17.5 A per element, RthJC 1.4 K/W per bridge, TJ 150 °C");
  // Strings of 1N4007 for high voltages: N·VRRM and N·VF; the model's N and
  // RS times N (diodes.lib). Hot leakage: 50 µA at 125 °C (Vishay).
  for (int n = 2; n <= 5; ++n) {
    const long double k = n;
    c.push_back({"1N4007x" + std::to_string(n), 1000 * k, 1, 30, 1.1L * k, 1, 50, 25, 150,
                 k1N4007.Is, k1N4007.N * k, k1N4007.Rs * k, n, 50e-6L,
                 std::string(kVishay1N4001) + "; IR 50 µA at 125 °C"});
  }
  std::stable_sort(c.begin(), c.end(), [](const DiodeDatasheet& a, const DiodeDatasheet& b) {
    return a.IfAv != b.IfAv ? a.IfAv < b.IfAv : a.Vrrm < b.Vrrm;
  });
  return c;
}

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& ch : u) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return u;
}

}  // namespace

const std::vector<DiodeDatasheet>& DiodeCatalogue() {
  static const std::vector<DiodeDatasheet> catalogue = Build();
  return catalogue;
}

const DiodeDatasheet* FindDiode(std::string_view name) {
  const std::string wanted = Upper(name);
  for (const DiodeDatasheet& d : DiodeCatalogue()) {
    if (Upper(d.Name) == wanted) return &d;
  }
  return nullptr;
}

long double NaturalLog(long double x) {
  mathem::FaultScope faults;
  if (!(x > 0.0L) || !std::isfinite(x)) throw mathem::NumericalFailure("logarithm of a value ≤ 0");
  int e = 0;
  const long double m = std::frexp(x, &e);  // x = m·2^e, m in [0.5, 1)
  // ln m in (−0.7, 0]: Newton's y ← y − 1 + m·e^−y from y = m − 1 converges
  // quadratically; eight steps are far more than 64 bits need.
  long double y = m - 1.0L;
  for (int i = 0; i < 8; ++i) y = y - 1.0L + m * mathem::ExpOf(-y);
  const long double result = static_cast<long double>(e) * kLn2 + y;
  faults.Check(result);
  return result;
}

long double ModelForwardVoltage(const DiodeDatasheet& d, long double I) {
  return d.N * kThermalVoltage * NaturalLog(I / d.Is + 1.0L) + d.Rs * I;
}

ForwardLine FitForwardLine(const DiodeDatasheet& d) {
  const long double a = d.IfAv, b = 3.0L * d.IfAv;
  const long double va = ModelForwardVoltage(d, a), vb = ModelForwardVoltage(d, b);
  const long double rd = (vb - va) / (b - a);
  return {va - rd * a, rd};
}

ForwardLine FitForwardLine(const DiodeDatasheet& d, const Design& design) {
  mathem::FaultScope faults;
  const long double Psi = design.Point.Psi, Phi = design.Parameters.Phi;
  const long double Beta = design.Point.Beta;
  const mathem::PulseShape p = mathem::ShapeOf(Psi, Phi);
  const long double amperes = design.Inputs.U0 / design.Parameters.Rsum;
  // Simpson's rule over the pulse [h, β]: the moments ∫iᵏ and ∫v(i)·iᵏ.
  constexpr int kIntervals = 256;
  const long double step = (Beta - p.h) / kIntervals;
  long double m1 = 0.0L, m2 = 0.0L, m3 = 0.0L, a = 0.0L, b = 0.0L;
  for (int k = 0; k <= kIntervals; ++k) {
    const long double weight = (k == 0 || k == kIntervals) ? 1.0L : (k % 2 == 1 ? 4.0L : 2.0L);
    const long double i = std::fmax(0.0L, amperes * mathem::CurrentAt(p, Phi, p.h + k * step));
    if (!(i > 0.0L)) continue;
    const long double v = ModelForwardVoltage(d, i);
    m1 += weight * i;
    m2 += weight * i * i;
    m3 += weight * i * i * i;
    a += weight * v * i;
    b += weight * v * i * i;
  }
  const long double det = m1 * m3 - m2 * m2;
  faults.Check(det, a, b);
  if (!(step > 0.0L) || !(det > 0.0L)) return FitForwardLine(d);
  const ForwardLine line{(a * m3 - b * m2) / det, (m1 * b - m2 * a) / det};
  faults.Check(line.Vf0, line.Rd);
  return line;
}

DiodeHeat HeatOf(const DiodeDatasheet& d, long double mean, long double rms, long double ambient) {
  return HeatOf(d, FitForwardLine(d), mean, rms, ambient, std::nullopt);
}

DiodeHeat HeatOf(const DiodeDatasheet& d, const ForwardLine& line, long double mean,
                 long double rms, long double ambient,
                 const std::optional<SimulatedDiodeLoss>& simulated) {
  mathem::FaultScope faults;
  DiodeHeat h{};
  if (simulated) {
    mean = simulated->Mean;
    rms = simulated->Rms;
  }
  h.Estimate = line.Vf0 * mean + line.Rd * rms * rms;
  h.FromSimulation = simulated.has_value();
  h.Loss = simulated ? simulated->Loss : h.Estimate;
  h.BridgeLoss = 4.0L * h.Loss;
  h.PerDiodeLoss = h.Loss / static_cast<long double>(d.StringLength);
  if (d.RthJA) h.JunctionTemperature = ambient + h.PerDiodeLoss * *d.RthJA;
  h.NeedsHeatsink = !h.JunctionTemperature || *h.JunctionTemperature > d.TjMax;
  if (d.RthJL && h.NeedsHeatsink && h.BridgeLoss > 0.0L) {
    // Tj = Ta + P_bridge·Rsa + P_diode·RthJL ≤ TjMax.
    h.HeatsinkMaxRth = (d.TjMax - ambient - h.PerDiodeLoss * *d.RthJL) / h.BridgeLoss;
  }
  faults.Check(h.BridgeLoss);
  return h;
}

mathem::SwitchOnSurge SurgeWithDiodes(const Design& design, const SupplyConditions& mains,
                                      long double seriesResistance) {
  mathem::SeriesRlc circuit = ChargingCircuit(design, mains);
  circuit.R += seriesResistance;
  return mathem::WorstSwitchOn(circuit);
}

mathem::SwitchOnSurge SurgeWithMethodDiodes(const Design& design, const SupplyConditions& mains) {
  return SurgeWithDiodes(design, mains, 2.0L * design.Parameters.Rd);
}

RatingCheck CheckRating(long double rating, long double need) {
  return {rating, need, rating >= need, (rating / need - 1.0L) * 100.0L};
}

DiodeSelection SelectDiode(const Design& design, const SupplyConditions& mains,
                           const DiodeNeeds& needs, const DiodeDatasheet& diode,
                           long double ambient,
                           const std::optional<SimulatedDiodeLoss>& simulated) {
  DiodeSelection s{};
  s.Diode = &diode;
  try {
    s.Surge = SurgeWithDiodes(design, mains, 2.0L * diode.Rs);
    s.SurgeCheck = CheckRating(diode.Ifsm, s.Surge->Current);
  } catch (const mathem::NumericalFailure& e) {
    s.SurgeFailure = e.what();
  }
  s.Voltage = CheckRating(diode.Vrrm, needs.ReverseVoltage);
  s.Current = CheckRating(diode.IfAv, needs.MeanCurrent);
  s.Passes = s.Voltage.Passes && s.Current.Passes && s.SurgeCheck && s.SurgeCheck->Passes;
  s.Line = FitForwardLine(diode, design);
  s.Heat = HeatOf(diode, s.Line, needs.MeanCurrent, needs.RmsCurrent, ambient, simulated);
  if (diode.StringLength > 1 && diode.LeakageHot) {
    const long double n = diode.StringLength;
    const long double vr = needs.ReverseVoltage;
    EqualisingResistors e{};
    e.Count = diode.StringLength;
    e.Resistance = (diode.Vrrm - vr) / ((n - 1.0L) * *diode.LeakageHot);
    e.Power = e.Resistance > 0.0L ? (vr / n) * (vr / n) / e.Resistance : 0.0L;
    s.Equalising = e;
  }
  return s;
}

const DiodeDatasheet* SuggestDiode(const Design& design, const SupplyConditions& mains,
                                   const DiodeNeeds& needs, long double ambient) {
  for (const DiodeDatasheet& d : DiodeCatalogue()) {
    // The cheap checks first; the surge only for a diode that passes them.
    if (d.Vrrm < needs.ReverseVoltage || d.IfAv < needs.MeanCurrent) continue;
    if (SelectDiode(design, mains, needs, d, ambient).Passes) return &d;
  }
  return nullptr;
}

}  // namespace tavro::design::ratings
