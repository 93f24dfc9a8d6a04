// The angle equations and their Newton solution.
// See docs/method.md, section "The rated and load equations".
#include "mathem/angle_equations.h"

#include <cmath>

#include "mathem/angle_trig.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/givens.h"
#include "mathem/pulse_shape.h"

namespace tavro::mathem {
namespace {

struct Linearisation {
  Vector2 F;
  Matrix2 J;
};

// Everything a step needs of the iterate (ψ, β), each evaluated once. In
// floating point φ − β is exactly −(β − φ), so sin(φ − β) = −sin(β − φ) and
// cos(φ − β) = cos(β − φ): one evaluation serves both forms.
struct PulseTerms {
  SinCos Psi;      // ψ (the sine serves the load equations only)
  SinCos PsiPhi;   // ψ + φ
  SinCos BetaPhi;  // β − φ
  long double TanPsi;
  long double R;  // cos φ / cos ψ
  long double S;  // 1 − R·cos(ψ + φ)
  long double E;  // exp((π/2 − β − ψ)·k), the exponential factor at β
  long double Q;  // minus the integral of the pulse over [π/2 − ψ, β]
};

inline PulseTerms Terms(long double psi, long double beta, const ImpedanceAngle& phi) {
  PulseTerms p;
  p.Psi = SinCosOf(psi);
  p.PsiPhi = SinCosOf(psi + phi.Phi);
  p.BetaPhi = SinCosOf(beta - phi.Phi);
  p.TanPsi = TanOf(psi);
  const PulseShape shape = ShapeFrom(phi.Cos, phi.Cot, psi, p.Psi.Cos, p.PsiPhi.Cos);
  p.R = shape.R;
  p.S = shape.S;
  p.E = ExpAtEnd(shape, beta);
  p.Q =
      p.R * (p.BetaPhi.Cos - p.PsiPhi.Sin) + (p.S / phi.Cot) * (p.E - 1.0L) + beta + psi - kHalfPi;
  return p;
}

// The second equation and its Jacobian row are common to both systems.
void EndOfConductionRow(const PulseTerms& p, const ImpedanceAngle& phi, Linearisation& lin) {
  const long double sinPhiMinusBeta = -p.BetaPhi.Sin;
  lin.F[1] = p.R * p.BetaPhi.Sin - 1.0L + p.S * p.E;
  lin.J[1][0] =
      p.R * (p.E * (p.PsiPhi.Sin - p.TanPsi * p.PsiPhi.Cos) - p.TanPsi * sinPhiMinusBeta) -
      p.S * p.E * phi.Cot;
  lin.J[1][1] = p.R * p.BetaPhi.Cos - p.S * p.E * phi.Cot;
}

struct RatedSystem {
  static Linearisation At(long double psi, long double beta, long double t,
                          const ImpedanceAngle& phi) {
    const PulseTerms p = Terms(psi, beta, phi);
    Linearisation lin;
    lin.F[0] = t + p.Q * kInvTwoPi;
    const long double sinPhiOverCosPsi = phi.Sin / p.Psi.Cos;
    lin.J[0][0] = kInvTwoPi * (sinPhiOverCosPsi * sinPhiOverCosPsi * (p.E - 1.0L) +
                               p.R * (p.TanPsi * (p.BetaPhi.Cos - p.PsiPhi.Sin) - p.PsiPhi.Cos) -
                               p.S * p.E + 1.0L);
    lin.J[0][1] = kInvTwoPi * (p.R * -p.BetaPhi.Sin - p.S * p.E + 1.0L);
    EndOfConductionRow(p, phi, lin);
    return lin;
  }
};

struct LoadSystem {
  static Linearisation At(long double psi, long double beta, long double t,
                          const ImpedanceAngle& phi) {
    const PulseTerms p = Terms(psi, beta, phi);
    // √2·π is formed first; G = cos ψ/(√2·π) is √2·cos ψ times the 1/(2π) of
    // the rated equation.
    const long double sqrt2Pi = std::sqrt(2.0L) * kPi;
    const long double G = p.Psi.Cos / sqrt2Pi;
    Linearisation lin;
    lin.F[0] = t + G * p.Q;
    lin.J[0][0] = -(1.0L / sqrt2Pi) * p.Psi.Sin * (phi.Tan * (p.E - 1.0L) + beta + psi - kHalfPi);
    lin.J[0][1] = G * (1.0L - p.R * p.BetaPhi.Sin - p.S * p.E);
    EndOfConductionRow(p, phi, lin);
    return lin;
  }
};

template <typename System>
AngleResiduals Residuals(long double Psi, long double Beta, long double t, long double Phi) {
  FaultScope faults;
  const Linearisation lin = System::At(Psi, Beta, t, ImpedanceAngleOf(Phi));
  faults.Check(lin.F);
  return {lin.F[0], lin.F[1]};
}

template <typename System>
void SolveAngles(long double& Psi, long double& Beta, long double t, const ImpedanceAngle& phi,
                 long double Psi0, long double Beta0, NewtonTrace* trace) {
  FaultScope faults;
  Psi = Psi0;
  Beta = Beta0;
  NewtonTrace ignored;
  NewtonTrace& report = trace != nullptr ? *trace : ignored;
  report = {};

  long double psi = Psi0;
  long double beta = Beta0;
  for (int step = 1; step <= kNewtonStepLimit; ++step) {
    const Linearisation lin = System::At(psi, beta, t, phi);
    // The step's own check below covers the linear solve: nothing of it is
    // stored before then.
    Vector2 d{};
    RotateAndSubstitute(lin.J, {-lin.F[0], -lin.F[1]},
                        [&d](int i, long double value) { d[i] = value; });
    // Full Newton step: no damping, no line search, no clamping.
    const long double psiNext = psi + d[0];
    const long double betaNext = beta + d[1];
    const bool converged =
        std::fabs(psiNext - psi) < kStepTolerance && std::fabs(betaNext - beta) < kStepTolerance;
    faults.Check(psiNext, betaNext);
    Psi = psiNext;
    Beta = betaNext;
    report.Steps = step;
    report.Converged = converged;
    if (converged) return;
    psi = psiNext;
    beta = betaNext;
  }
}

}  // namespace

ImpedanceAngle ImpedanceAngleOf(long double Phi) {
  FaultScope faults;
  ImpedanceAngle phi;
  phi.Phi = Phi;
  phi.Tan = RoundedTan(Phi);
  phi.Cot = 1.0L / phi.Tan;  // φ = 0 faults here, before any solve stores
  phi.Sin = RoundedSin(Phi);
  phi.Cos = RoundedCos(Phi);
  faults.Check(phi);
  return phi;
}

AngleResiduals RatedResiduals(long double Psi, long double Beta, long double t, long double Phi) {
  return Residuals<RatedSystem>(Psi, Beta, t, Phi);
}

AngleResiduals LoadResiduals(long double Psi, long double Beta, long double t, long double Phi) {
  return Residuals<LoadSystem>(Psi, Beta, t, Phi);
}

void SolveAnglesRated(long double& Psi, long double& Beta, long double t, const ImpedanceAngle& phi,
                      long double Psi0, long double Beta0, NewtonTrace* trace) {
  SolveAngles<RatedSystem>(Psi, Beta, t, phi, Psi0, Beta0, trace);
}

void SolveAnglesLoad(long double& Psi, long double& Beta, long double t, const ImpedanceAngle& phi,
                     long double Psi0, long double Beta0, NewtonTrace* trace) {
  SolveAngles<LoadSystem>(Psi, Beta, t, phi, Psi0, Beta0, trace);
}

void SolveAnglesRated(long double& Psi, long double& Beta, long double t, long double Phi,
                      long double Psi0, long double Beta0, NewtonTrace* trace) {
  SolveAngles<RatedSystem>(Psi, Beta, t, ImpedanceAngleOf(Phi), Psi0, Beta0, trace);
}

void SolveAnglesLoad(long double& Psi, long double& Beta, long double t, long double Phi,
                     long double Psi0, long double Beta0, NewtonTrace* trace) {
  SolveAngles<LoadSystem>(Psi, Beta, t, ImpedanceAngleOf(Phi), Psi0, Beta0, trace);
}

}  // namespace tavro::mathem
