#include "common/solver_comparison.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "common/straightforward_angles.h"
#include "design/calculate.h"
#include "design/field_table.h"
#include "design/load_table.h"

namespace tavro::test {
namespace {

constexpr std::array<const char*, kQuantityCount> kNames{"Psi, Beta (rated)",
                                                         "Psi (load rows 1-24)",
                                                         "B",
                                                         "D",
                                                         "F",
                                                         "H",
                                                         "U2, Urev",
                                                         "I2, I1, Pframe, Idrms",
                                                         "Idpk",
                                                         "Cf",
                                                         "load voltages"};

// One design calculated; outcome: the design, the stage of a failure, or
// an input rejection.
struct Press {
  design::InputTexts typed;
  std::optional<design::Design> design;
  std::string outcome;

  Press(design::AngleSolvers solvers, const DesignTexts& d)
      : typed{d.U0, d.I0, "1", std::to_string(d.Limbs), d.Bm, d.Ud} {
    const design::InputReading reading = design::ReadInputs(typed, '.');
    if (const auto* rejection = std::get_if<design::InputRejection>(&reading)) {
      outcome = rejection->Message;
      return;
    }
    design::Calculation c =
        design::Calculate(std::get<design::DesignInputs>(reading), {{}, solvers});
    if (const auto* failure = std::get_if<design::Failure>(&c)) {
      outcome = design::StageName(failure->Stage);
    } else {
      design = std::move(std::get<design::Design>(c));
      outcome = "complete";
    }
  }
};

// The first shown text that differs: a field, or a load row as the slider
// shows it.
std::string TextDifference(const Press& a, const Press& b) {
  const auto fieldsA = design::DesignFieldTexts(*a.design, a.typed, '.');
  const auto fieldsB = design::DesignFieldTexts(*b.design, b.typed, '.');
  for (int i = 0; i < design::kFieldCount; ++i) {
    if (fieldsA[i] != fieldsB[i]) return design::FieldName(design::FieldAt(i));
  }
  for (int row = 0; row < design::kLoadRows; ++row) {
    const design::LoadRowTexts x = design::FormatLoadRow(a.design->Load, row, '.');
    const design::LoadRowTexts y = design::FormatLoadRow(b.design->Load, row, '.');
    if (x.Voltage != y.Voltage || x.Sqrt2CosPsi != y.Sqrt2CosPsi) {
      return "load row " + std::to_string(row);
    }
  }
  return {};
}

std::vector<long double> Values(Quantity q, const Press& p) {
  const design::Design& d = *p.design;
  const design::LoadTable& t = d.Load;
  auto rows = [](const design::LoadColumn& c) {
    return std::vector<long double>(c.begin() + 1, c.end());
  };
  switch (q) {
    case kRatedAngles:
      return {d.Point.Psi, d.Point.Beta};
    case kLoadAngles:
      return rows(t.Psi);
    case kB:
      return {d.Coefficients.B};
    case kD:
      return {d.Coefficients.D};
    case kF:
      return {d.Coefficients.F};
    case kH:
      return {d.Coefficients.H};
    case kVoltageResults:
      return {d.Results.U2, d.Results.Urev};
    case kCurrentResults:
      return {d.Results.I2, d.Results.I1, d.Results.Pframe, d.Results.Idrms};
    case kIdpk:
      return {d.Results.Idpk};
    case kCf:
      return {d.Results.Cf};
    default:
      return rows(t.Voltage);
  }
}

}  // namespace

std::string DesignTexts::Name() const {
  return U0 + " V " + I0 + " A " + Bm + " T " + Ud + " V " + std::to_string(Limbs) + " limb(s)";
}

std::vector<DesignTexts> DesignGrid(const std::vector<std::string>& voltages,
                                    const std::vector<std::string>& currents,
                                    const std::vector<std::string>& fluxes,
                                    const std::vector<std::string>& drops) {
  std::vector<DesignTexts> designs;
  for (const std::string& u0 : voltages) {
    for (const std::string& i0 : currents) {
      for (const std::string& bm : fluxes) {
        for (const std::string& ud : drops) {
          for (int limbs : {1, 2}) designs.push_back({u0, i0, limbs, bm, ud});
        }
      }
    }
  }
  return designs;
}

SolverComparison CompareWithStraightforward(const std::vector<DesignTexts>& designs) {
  SolverComparison c;
  for (const char* name : kNames) c.Changes.push_back({name, 0.0L, {}});
  for (const DesignTexts& d : designs) {
    ++c.Designs;
    const Press fast({}, d);
    const Press plain(StraightforwardSolvers(), d);
    if (fast.outcome != plain.outcome) {
      c.Differences.push_back("outcome: " + d.Name());
      continue;
    }
    if (!fast.design) continue;
    ++c.Complete;
    if (const std::string where = TextDifference(fast, plain); !where.empty()) {
      c.Differences.push_back(where + ": " + d.Name());
    }
    for (int q = 0; q < kQuantityCount; ++q) {
      const std::vector<long double> a = Values(static_cast<Quantity>(q), fast);
      const std::vector<long double> b = Values(static_cast<Quantity>(q), plain);
      for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) continue;
        const long double change =
            std::fabs(a[i] - b[i]) / std::max(std::fabs(a[i]), std::fabs(b[i]));
        if (change > c.Changes[q].Largest) c.Changes[q] = {kNames[q], change, d.Name()};
      }
    }
  }
  return c;
}

}  // namespace tavro::test
