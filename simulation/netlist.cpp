#include "simulation/netlist.h"

#include <cmath>
#include <sstream>

#include "simulation/spice_values.h"

namespace tavro::simulation {
namespace {

using N = std::string;

N Num(double v) {
  return SpiceNumber(v);
}

// One diode between anode and cathode: the model alone, or the ideal switch
// in series with the method's resistance (through an inner node).
void Diode(std::ostream& out, const N& name, const N& anode, const N& cathode,
           const CircuitValues& v, const DiodeSetup& d) {
  if (d.Ideal) {
    out << 'D' << name << ' ' << anode << " d" << name << "r TAVRO_IDEAL\n";
    out << "Rd" << name << " d" << name << "r " << cathode << ' ' << Num(v.Rd) << '\n';
  } else {
    out << 'D' << name << ' ' << anode << ' ' << cathode << ' ' << d.ModelName << '\n';
  }
}

void Validate(const CircuitValues& v, const CircuitSetup& s, const RunPlan& p) {
  RequirePositive(v.EmfPeak, "the EMF amplitude");
  RequirePositive(v.Frequency, "the mains frequency");
  RequirePositive(v.Rtr, "the winding resistance Rtr");
  RequirePositive(v.Ls, "the leakage inductance Ls");
  RequirePositive(v.U0, "the rated voltage U0");
  RequirePositive(v.I0, "the rated current I0");
  if (s.Diode.Ideal) RequirePositive(v.Rd, "the diode resistance Rd");
  if (s.Load != LoadKind::ConstantVoltage) RequirePositive(v.Cf, "the filter capacitance Cf");
  RequireNonNegative(s.Esr, "the capacitor's ESR");
  RequirePositive(p.Periods, "the number of periods");
  RequireNonNegative(p.ExpectedPeak, "the expected peak current");
  RequireNonNegative(p.CapacitorStart, "the capacitor's starting voltage");
  if (!std::isfinite(p.PhaseDegrees) || p.PhaseDegrees < -360.0 || p.PhaseDegrees > 360.0) {
    throw RejectedValue("the switch-on phase must lie within ±360°");
  }
  if (!s.Diode.Ideal && (s.Diode.ModelName.empty() || s.Diode.ModelLine.empty())) {
    throw RejectedValue("a diode model is needed");
  }
}

void Measurements(std::ostream& out, const CircuitValues& v, const CircuitSetup& s,
                  const RunPlan& p) {
  const double T = 1.0 / v.Frequency;
  const double last = std::floor(p.Periods);
  const N window = " from=" + Num((last - 1.0) * T) + " to=" + Num(last * T);
  out << "* Measurements over the last whole period\n";
  if (s.Load != LoadKind::ConstantVoltage) {
    out << ".meas tran vmean AVG v(out)" << window << '\n';
    out << ".meas tran vpp PP v(out)" << window << '\n';
    out << ".meas tran vmin MIN v(out)" << window << '\n';
    // The 100 Hz component of the output voltage, from its Fourier integrals.
    out << ".meas tran c100 INTEG v(f100c)" << window << '\n';
    out << ".meas tran s100 INTEG v(f100s)" << window << '\n';
    out << ".meas tran ripple100 param='" << Num(2.0 * v.Frequency)
        << "*sqrt(c100*c100+s100*s100)'\n";
    out << ".meas tran icrms RMS i(vc)" << window << '\n';
  }
  switch (s.Load) {
    case LoadKind::Resistive:
      out << ".meas tran i0 param='vmean/" << Num(v.U0 / v.I0) << "'\n";
      break;
    case LoadKind::ConstantCurrent:
      out << ".meas tran i0 param='" << Num(v.I0) << "'\n";
      break;
    case LoadKind::ConstantVoltage:
      out << ".meas tran i0 AVG i(vload)" << window << '\n';
      break;
  }
  out << ".meas tran i2rms RMS i(vsec)" << window << '\n';
  out << ".meas tran idavg AVG i(vd1)" << window << '\n';
  out << ".meas tran idrms RMS i(vd1)" << window << '\n';
  out << ".meas tran idpk MAX i(vd1)" << window << '\n';
  // The period starts at the EMF's rise through zero, with D1 off: its
  // current's last fall through a small part of its peak ends its pulse.
  const double level =
      p.ExpectedPeak > 0.0 ? kPulseEndShare * p.ExpectedPeak : kConductionLevel * v.I0;
  out << ".meas tran tbeta WHEN i(vd1)=" << Num(level) << " FALL=LAST" << window << '\n';
  out << ".meas tran beta param='(tbeta-" << Num((last - 1.0) * T) << ")*"
      << Num(360.0 * v.Frequency) << "'\n";
}

}  // namespace

Snubber SnubberOf(const CircuitValues& v) {
  const double c = kSnubberCurrentShare * v.I0 / (2.0 * M_PI * v.Frequency * v.EmfPeak);
  return {std::sqrt(v.Ls / c), c};
}

std::string Netlist(const CircuitValues& v, const CircuitSetup& s, const RunPlan& p) {
  Validate(v, s, p);
  const double T = 1.0 / v.Frequency;
  std::ostringstream out;
  out << "* Tavro: single-phase bridge rectifier with a capacitor filter\n";
  for (const std::string& c : p.Comments) out << "* " << c << '\n';
  out << "* Transformer: EMF sqrt(2)*U2 behind Rtr and Ls\n";
  out << "Ve e acb SIN(0 " << Num(v.EmfPeak) << ' ' << Num(v.Frequency) << " 0 0 "
      << Num(p.PhaseDegrees) << ")\n";
  out << "Rtr e tl " << Num(v.Rtr) << '\n';
  out << "Ls tl sec " << Num(v.Ls) << " IC=0\n";
  out << "* Snubber across the bridge input (numerical damping only)\n";
  const Snubber snubber = SnubberOf(v);
  out << "Rsn sec sn " << Num(snubber.R) << '\n';
  out << "Csn sn acb " << Num(snubber.C) << '\n';
  out << "* Bridge; Vsec senses the secondary current, Vd1 and Vd2 the diodes'\n";
  out << "Vsec sec br 0\n";
  out << "Vd1 br a1 0\n";
  Diode(out, "1", "a1", "out", v, s.Diode);
  out << "Vd2 acb a2 0\n";
  Diode(out, "2", "a2", "out", v, s.Diode);
  Diode(out, "3", "0", "br", v, s.Diode);
  Diode(out, "4", "0", "acb", v, s.Diode);
  if (s.Load != LoadKind::ConstantVoltage) {
    out << "* Filter capacitor, Vc senses its current\n";
    out << "Vc out c1 0\n";
    if (s.Esr > 0.0) {
      out << "Resr c1 c2 " << Num(s.Esr) << '\n';
      out << "Cf c2 0 " << Num(v.Cf) << " IC=" << Num(p.CapacitorStart) << '\n';
    } else {
      out << "Cf c1 0 " << Num(v.Cf) << " IC=" << Num(p.CapacitorStart) << '\n';
    }
  }
  out << "* Load\n";
  switch (s.Load) {
    case LoadKind::Resistive:
      out << "Rload out 0 " << Num(v.U0 / v.I0) << '\n';
      break;
    case LoadKind::ConstantCurrent:
      out << "Iload out 0 DC " << Num(v.I0) << '\n';
      break;
    case LoadKind::ConstantVoltage:
      out << "Vload out 0 DC " << Num(v.U0) << '\n';
      break;
  }
  if (p.Measurements && s.Load != LoadKind::ConstantVoltage) {
    const double w2 = 2.0 * 2.0 * M_PI * v.Frequency;
    out << "* Products for the 100 Hz Fourier integrals (not part of the circuit)\n";
    out << "Bf100c f100c 0 V=v(out)*cos(" << Num(w2) << "*time)\n";
    out << "Bf100s f100s 0 V=v(out)*sin(" << Num(w2) << "*time)\n";
  }
  out << (s.Diode.Ideal ? kIdealDiodeModel : s.Diode.ModelLine) << '\n';
  out << ".options rshunt=" << Num(kShuntResistance) << " method=" << kIntegrationMethod << '\n';
  const double maxStep = T * kMaxStepPerPeriod;
  out << ".tran " << Num(maxStep) << ' ' << Num(p.Periods * T) << " 0 " << Num(maxStep) << " uic\n";
  if (p.Measurements) Measurements(out, v, s, p);
  out << ".end\n";
  return out.str();
}

std::vector<std::string> Lines(const std::string& netlist) {
  std::vector<std::string> lines;
  std::istringstream in(netlist);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

}  // namespace tavro::simulation
