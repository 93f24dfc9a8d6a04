// A spread of designs pressed twice, with the calculation's solvers and with
// the straightforward ones: whether an outcome or a shown text differs, and
// the largest relative change of each full-precision quantity. The agreement
// test and the bench's comparison both run it.
#pragma once

#include <string>
#include <vector>

namespace tavro::test {

// One design, typed with "." as the decimal separator; the ripple is 1 %.
struct DesignTexts {
  std::string U0;
  std::string I0;
  int Limbs;
  std::string Bm;
  std::string Ud;
  std::string Name() const;
};

// Every combination of the given texts, both limb counts.
std::vector<DesignTexts> DesignGrid(const std::vector<std::string>& voltages,
                                    const std::vector<std::string>& currents,
                                    const std::vector<std::string>& fluxes,
                                    const std::vector<std::string>& drops);

struct QuantityChange {
  std::string Name;
  long double Largest = 0;  // relative
  std::string Where;        // the design where it occurs
};

struct SolverComparison {
  int Designs = 0;
  int Complete = 0;
  std::vector<std::string> Differences;  // an outcome or a shown text, with the design
  std::vector<QuantityChange> Changes;   // indexed by Quantity
};

// What is compared; indices into SolverComparison::Changes.
enum Quantity {
  kRatedAngles,  // Psi, Beta
  kLoadAngles,   // Psi of load rows 1-24
  kB,
  kD,
  kF,
  kH,
  kVoltageResults,  // U2, Urev
  kCurrentResults,  // I2, I1, Pframe, Idrms
  kIdpk,
  kCf,
  kLoadVoltages,
  kQuantityCount
};

SolverComparison CompareWithStraightforward(const std::vector<DesignTexts>& designs);

}  // namespace tavro::test
