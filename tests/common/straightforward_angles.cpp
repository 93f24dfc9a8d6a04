#include "common/straightforward_angles.h"

#include <cmath>

#include "mathem/angle_trig.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/givens.h"

namespace tavro::test {
namespace {

using mathem::kHalfPi;
using mathem::kInvTwoPi;
using mathem::Matrix2;
using mathem::Vector2;

struct Linearisation {
  Vector2 F;
  Matrix2 J;
};

struct PulseTerms {
  long double R;
  long double S;
  long double E;
  long double Q;
};

PulseTerms Terms(long double psi, long double beta, long double phi, long double k) {
  PulseTerms p;
  p.R = mathem::RoundedCos(phi) / mathem::RoundedCos(psi);
  p.S = 1.0L - p.R * mathem::RoundedCos(psi + phi);
  p.E = mathem::ExpOf((kHalfPi - beta - psi) * k);
  p.Q = p.R * (mathem::RoundedCos(beta - phi) - mathem::RoundedSin(psi + phi)) +
        (p.S / k) * (p.E - 1.0L) + beta + psi - kHalfPi;
  return p;
}

void EndOfConductionRow(const PulseTerms& p, long double psi, long double beta, long double phi,
                        long double k, Linearisation& lin) {
  const long double tanPsi = mathem::RoundedTan(psi);
  lin.F[1] = p.R * mathem::RoundedSin(beta - phi) - 1.0L + p.S * p.E;
  lin.J[1][0] =
      p.R * (p.E * (mathem::RoundedSin(psi + phi) - tanPsi * mathem::RoundedCos(psi + phi)) -
             tanPsi * mathem::RoundedSin(phi - beta)) -
      p.S * p.E * k;
  lin.J[1][1] = p.R * mathem::RoundedCos(phi - beta) - p.S * p.E * k;
}

Linearisation RatedSystem(long double psi, long double beta, long double t, long double phi,
                          long double k) {
  const PulseTerms p = Terms(psi, beta, phi, k);
  Linearisation lin;
  lin.F[0] = t + p.Q * kInvTwoPi;
  const long double sinPhiOverCosPsi = mathem::RoundedSin(phi) / mathem::RoundedCos(psi);
  lin.J[0][0] = kInvTwoPi * (sinPhiOverCosPsi * sinPhiOverCosPsi * (p.E - 1.0L) +
                             p.R * (mathem::RoundedTan(psi) * (mathem::RoundedCos(phi - beta) -
                                                               mathem::RoundedSin(psi + phi)) -
                                    mathem::RoundedCos(psi + phi)) -
                             p.S * p.E + 1.0L);
  lin.J[0][1] = kInvTwoPi * (p.R * mathem::RoundedSin(phi - beta) - p.S * p.E + 1.0L);
  EndOfConductionRow(p, psi, beta, phi, k, lin);
  return lin;
}

Linearisation LoadSystem(long double psi, long double beta, long double t, long double phi,
                         long double k) {
  const PulseTerms p = Terms(psi, beta, phi, k);
  const long double sqrt2Pi = std::sqrt(2.0L) * mathem::kPi;
  const long double G = mathem::RoundedCos(psi) / sqrt2Pi;
  Linearisation lin;
  lin.F[0] = t + G * p.Q;
  lin.J[0][0] = -(1.0L / sqrt2Pi) * mathem::RoundedSin(psi) *
                (mathem::RoundedTan(phi) * (p.E - 1.0L) + beta + psi - kHalfPi);
  lin.J[0][1] = G * (1.0L - p.R * mathem::RoundedSin(beta - phi) - p.S * p.E);
  EndOfConductionRow(p, psi, beta, phi, k, lin);
  return lin;
}

using System = Linearisation (*)(long double, long double, long double, long double, long double);

void Solve(System system, long double& Psi, long double& Beta, long double t, long double Phi,
           long double Psi0, long double Beta0, mathem::NewtonTrace* trace) {
  mathem::FaultScope faults;
  const long double k = 1.0L / mathem::RoundedTan(Phi);
  faults.Check(k);
  Psi = Psi0;
  Beta = Beta0;
  mathem::NewtonTrace ignored;
  mathem::NewtonTrace& report = trace != nullptr ? *trace : ignored;
  report = {};
  long double psi = Psi0;
  long double beta = Beta0;
  for (int step = 1; step <= mathem::kNewtonStepLimit; ++step) {
    const Linearisation lin = system(psi, beta, t, Phi, k);
    Vector2 d{};
    mathem::SolveLinearGivens(lin.J, {-lin.F[0], -lin.F[1]}, d);
    const long double psiNext = psi + d[0];
    const long double betaNext = beta + d[1];
    const bool converged = std::fabs(psiNext - psi) < mathem::kStepTolerance &&
                           std::fabs(betaNext - beta) < mathem::kStepTolerance;
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

void StraightforwardSolveRated(long double& Psi, long double& Beta, long double t,
                               const mathem::ImpedanceAngle& phi, long double Psi0,
                               long double Beta0, mathem::NewtonTrace* trace) {
  Solve(RatedSystem, Psi, Beta, t, phi.Phi, Psi0, Beta0, trace);
}

void StraightforwardSolveLoad(long double& Psi, long double& Beta, long double t,
                              const mathem::ImpedanceAngle& phi, long double Psi0,
                              long double Beta0, mathem::NewtonTrace* trace) {
  Solve(LoadSystem, Psi, Beta, t, phi.Phi, Psi0, Beta0, trace);
}

}  // namespace tavro::test
