#include "design/ratings/diode_catalogue.h"
#include "simulation/netlist.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "common/files.h"
#include "simulation/diode_models.h"
#include "simulation/export.h"
#include "simulation/spice_values.h"
#include "simulation_fixture.h"

namespace tavro::simulation {
namespace {

CircuitSetup With1N4007() {
  const DiodeModel& m = ShippedDiode("1N4007");
  CircuitSetup s;
  s.Diode = {false, m.Name, m.Line};
  return s;
}

TEST(Netlist, WorkedExampleMatchesTheGoldenFile) {
  const std::string text =
      StandaloneNetlist(test::WorkedExample(), {}, With1N4007(), 10, ShippedDiode("1N4007").Source);
  EXPECT_EQ(text, test::ReadFile(std::string(TAVRO_SIMULATION_GOLDEN) + "/worked_example.cir"));
}

TEST(Netlist, NumbersAreWrittenInCSyntaxWhateverTheLocale) {
  const CircuitValues v = ValuesOf(test::WorkedExample());
  const std::string before = Netlist(v, With1N4007(), {});
  if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr) std::setlocale(LC_ALL, "de_DE.UTF-8");
  const std::string after = Netlist(v, With1N4007(), {});
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(before, after);
  EXPECT_NE(before.find("Ls tl sec 0.0006687403049764221 IC=0"), std::string::npos) << before;
}

TEST(Netlist, RejectsEveryValueThatNgspiceWouldMisread) {
  const CircuitValues good = ValuesOf(test::WorkedExample());
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    double CircuitValues::*field;
    double value;
  } cases[] = {{"zero inductance", &CircuitValues::Ls, 0.0},
               {"negative resistance", &CircuitValues::Rtr, -1.0},
               {"NaN capacitance", &CircuitValues::Cf, nan},
               {"infinite EMF", &CircuitValues::EmfPeak, std::numeric_limits<double>::infinity()},
               {"zero frequency", &CircuitValues::Frequency, 0.0},
               {"zero diode resistance", &CircuitValues::Rd, 0.0}};
  for (const auto& c : cases) {
    CircuitValues v = good;
    v.*c.field = c.value;
    EXPECT_THROW(Netlist(v, CircuitSetup{}, {}), RejectedValue) << c.what;
  }
  CircuitSetup esr;
  esr.Esr = -0.1;
  EXPECT_THROW(Netlist(good, esr, {}), RejectedValue);
  RunPlan phase;
  phase.PhaseDegrees = nan;
  EXPECT_THROW(Netlist(good, CircuitSetup{}, phase), RejectedValue);
}

TEST(DiodeModels, ShippedModelsAreValidAndNameTheirSource) {
  ASSERT_EQ(ShippedDiodes().size(), 34u);
  for (const DiodeModel& m : ShippedDiodes()) {
    EXPECT_FALSE(m.Source.empty()) << m.Name;
    EXPECT_EQ(ValidateModelLine(m.Line).Line, m.Line) << m.Name;
  }
  EXPECT_EQ(ShippedDiode("mur460").Name, "MUR460");
  EXPECT_THROW(ShippedDiode("1N4148"), RejectedValue);
}

// A part's rating is the lower of its model's breakdown and its datasheet's
// VRRM: the MUR460's model breaks down at 800 V, the part is rated 600 V.
TEST(DiodeModels, RatedReverseVoltageOfEveryShippedModel) {
  const std::pair<const char*, double> rated[] = {
      {"1N4007", 1000}, {"1N5408", 1000}, {"1N5822", 40}, {"MUR460", 600}, {"1N4007x3", 3000}};
  for (const auto& [name, volts] : rated) {
    const DiodeModel& m = ShippedDiode(name);
    EXPECT_EQ(RatedReverseVoltage(m.Name, m.Line), volts) << name;
  }
  for (const DiodeModel& m : ShippedDiodes()) {
    const auto* datasheet = design::ratings::FindDiode(m.Name);
    ASSERT_NE(datasheet, nullptr) << m.Name;
    EXPECT_EQ(RatedReverseVoltage(m.Name, m.Line), static_cast<double>(datasheet->Vrrm)) << m.Name;
  }
  // A typed model has only its BV, or none.
  EXPECT_EQ(RatedReverseVoltage("x", ValidateModelLine(".model x D(BV=800)").Line), 800);
  EXPECT_TRUE(std::isnan(RatedReverseVoltage("x", ValidateModelLine(".model x D(IS=1n)").Line)));
}

TEST(DiodeModels, ModelLinesAreRewrittenFromCheckedValues) {
  EXPECT_EQ(ValidateModelLine(".MODEL dx d (Is=10n, rs=0.05\n+ N=1.8 bv=1.00k)").Line,
            ".model dx D(IS=1e-08 RS=0.05 N=1.8 BV=1000)");
  const char* bad[] = {
      ".model dx D(IS=1.0.4abc)",      // ngspice would read 1.0
      ".model dx D(IS=)",              // missing value
      ".model dx D(IS=1n IS=2n)",      // twice
      ".model dx D(XYZ=1)",            // unknown parameter
      ".model dx NPN(IS=1n)",          // not a diode
      ".model dx D(N=-1)",             // out of range
      ".model dx D(M=1.5)",            // grading coefficient beyond 1
      ".model dx D(IS=1n)\n.control",  // a second line
      ".model dx D(IS={1n})",          // expressions
      ".model dx D(IS=1n) ; comment",  // trailing text
      "R1 a b 1",                      // not a model
      ".model D(IS=1n)",               // no name
  };
  for (const char* text : bad) EXPECT_THROW(ValidateModelLine(text), RejectedValue) << text;
}

TEST(SpiceValues, ScaleSuffixesAndRoundTrip) {
  EXPECT_DOUBLE_EQ(ParseSpiceNumber("4.32u"), 4.32e-6);
  EXPECT_DOUBLE_EQ(ParseSpiceNumber("1Meg"), 1e6);
  EXPECT_THROW(ParseSpiceNumber("1uF"), RejectedValue);
  for (double v : {0.1, 1e-7, 19844.313686197936, 6.687403049764221e-4}) {
    EXPECT_EQ(ParseSpiceNumber(SpiceNumber(v)), v);
  }
}

}  // namespace
}  // namespace tavro::simulation
