// The angle equations solved the straightforward way: every sine, cosine and
// tangent of every formula evaluated as written, with the C library's
// functions, and a fault scope in every linear solve. It is the yardstick the
// fast solvers of the calculation are measured against (tests and bench):
// same equations, same Newton frame, same order of operations.
#pragma once

#include "design/operating_point.h"
#include "mathem/angle_equations.h"

namespace tavro::test {

// Only phi.Phi is used: k = 1/tan φ and every other term of φ are evaluated
// afresh in each solve, as written.
void StraightforwardSolveRated(long double& Psi, long double& Beta, long double t,
                               const mathem::ImpedanceAngle& phi, long double Psi0,
                               long double Beta0, mathem::NewtonTrace* trace);

void StraightforwardSolveLoad(long double& Psi, long double& Beta, long double t,
                              const mathem::ImpedanceAngle& phi, long double Psi0,
                              long double Beta0, mathem::NewtonTrace* trace);

// The pair as the design procedure takes it.
inline design::AngleSolvers StraightforwardSolvers() {
  return {StraightforwardSolveRated, StraightforwardSolveLoad};
}

}  // namespace tavro::test
