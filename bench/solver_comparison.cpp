// The calculation's solvers against the straightforward evaluation of the
// same angle equations, over a spread of designs: whether any outcome or any
// shown text differs, and the largest relative change of each full-precision
// quantity, with the design where it occurs.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/straightforward_angles.h"
#include "design/memory_window.h"
#include "design/procedure.h"

namespace {

using namespace tavro;
using design::ClickOutcome;
using design::CompletedDesign;
using design::LoadTable;

struct Quantity {
  using Extract = std::function<std::vector<long double>(const CompletedDesign&, const LoadTable&)>;
  Quantity(const char* name, Extract values) : Name(name), Values(std::move(values)) {}

  const char* Name;
  Extract Values;
  long double Worst = 0;
  std::string Where;
};

std::vector<Quantity> Quantities() {
  using V = std::vector<long double>;
  using D = const CompletedDesign&;
  using T = const LoadTable&;
  auto rows = [](const design::LoadColumn& c) { return V(c.begin() + 1, c.end()); };
  return {
      {"Psi, Beta (rated)",
       [](D d, T) {
         return V{d.Point.Psi, d.Point.Beta};
       }},
      {"Psi (load rows 1-24)", [rows](D, T t) { return rows(t.Psi); }},
      {"B", [](D d, T) { return V{d.Coefficients.B}; }},
      {"D", [](D d, T) { return V{d.Coefficients.D}; }},
      {"F", [](D d, T) { return V{d.Coefficients.F}; }},
      {"H", [](D d, T) { return V{d.Coefficients.H}; }},
      {"U2, Urev",
       [](D d, T) {
         return V{d.Results.U2, d.Results.Urev};
       }},
      {"I2, I1, Pframe, Idrms",
       [](D d, T) {
         return V{d.Results.I2, d.Results.I1, d.Results.Pframe, d.Results.Idrms};
       }},
      {"Idpk", [](D d, T) { return V{d.Results.Idpk}; }},
      {"Cf", [](D d, T) { return V{d.Results.Cf}; }},
      {"load voltages", [rows](D, T t) { return rows(t.Voltage); }},
  };
}

struct Press {
  design::MemoryWindow window;
  design::DesignProcedure procedure;
  ClickOutcome outcome;
  Press(design::AngleSolvers solvers, const std::string& u0, const std::string& i0, int limbs,
        const std::string& bm, const std::string& ud)
      : procedure('.', solvers) {
    using design::Field;
    window.Type(Field::Edit1, u0);
    window.Type(Field::Edit2, i0);
    window.Type(Field::Edit3, "1");
    window.ChooseLimbs(limbs);
    window.Type(Field::Edit5, bm);
    window.Type(Field::Edit6, ud);
    outcome = procedure.Button1Click(window);
  }
};

bool SameTexts(const Press& a, const Press& b) {
  for (int i = 0; i < design::kFieldCount; ++i) {
    if (a.window.Text(design::FieldAt(i)) != b.window.Text(design::FieldAt(i))) return false;
  }
  for (int row = 0; row < design::kLoadRows; ++row) {
    const design::LoadRowTexts x = design::FormatLoadRow(a.procedure.Table(), row, '.');
    const design::LoadRowTexts y = design::FormatLoadRow(b.procedure.Table(), row, '.');
    if (x.Voltage != y.Voltage || x.Sqrt2CosPsi != y.Sqrt2CosPsi) return false;
  }
  return true;
}

}  // namespace

int main() {
  // Every realistic design (5 V to 1 kV, 20 mA to 50 A, 0.8 to 1.8 T, 0.3 to
  // 1.5 V, one or two limbs) and low-voltage ones up to A ≈ 19.
  std::vector<std::string> voltages{"5", "12", "24", "48", "110", "220", "500", "1000"};
  const std::vector<std::string> currents{"0.02", "0.1", "0.5", "1", "5", "20", "50"};
  const std::vector<std::string> fluxes{"0.8", "1.2", "1.8"};
  const std::vector<std::string> drops{"0.3", "0.7", "1.5"};
  voltages.insert(voltages.begin(), {"0.025", "0.05", "0.2", "1"});

  std::vector<Quantity> quantities = Quantities();
  int designs = 0, complete = 0, outcomeDiffers = 0, textDiffers = 0;
  for (const std::string& u0 : voltages) {
    for (const std::string& i0 : currents) {
      for (const std::string& bm : fluxes) {
        for (const std::string& ud : drops) {
          for (int limbs : {1, 2}) {
            const Press fast({}, u0, i0, limbs, bm, ud);
            const Press plain(test::StraightforwardSolvers(), u0, i0, limbs, bm, ud);
            ++designs;
            const std::string name = u0 + " V " + i0 + " A " + bm + " T " + ud + " V " +
                                     std::to_string(limbs) + " limb(s)";
            if (fast.outcome != plain.outcome) {
              ++outcomeDiffers;
              std::printf("outcome differs: %s\n", name.c_str());
              continue;
            }
            if (fast.outcome != ClickOutcome::Complete) continue;
            ++complete;
            if (!SameTexts(fast, plain)) {
              ++textDiffers;
              std::printf("shown texts differ: %s\n", name.c_str());
            }
            for (Quantity& q : quantities) {
              const auto a = q.Values(*fast.procedure.LastDesign(), fast.procedure.Table());
              const auto b = q.Values(*plain.procedure.LastDesign(), plain.procedure.Table());
              for (std::size_t i = 0; i < a.size(); ++i) {
                if (a[i] == b[i]) continue;
                const long double change =
                    std::fabs(a[i] - b[i]) / std::max(std::fabs(a[i]), std::fabs(b[i]));
                if (change > q.Worst) {
                  q.Worst = change;
                  q.Where = name;
                }
              }
            }
          }
        }
      }
    }
  }
  std::printf("%d designs, %d complete; outcome differs in %d, a shown text in %d\n", designs,
              complete, outcomeDiffers, textDiffers);
  std::printf("largest relative change against the straightforward evaluation:\n");
  for (const Quantity& q : quantities) {
    std::printf("  %-24s %9.2Le  %s\n", q.Name, q.Worst, q.Where.c_str());
  }
  return outcomeDiffers == 0 && textDiffers == 0 ? 0 : 1;
}
