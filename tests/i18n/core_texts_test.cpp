// The calculation's, the part ratings' and the simulation check's texts in
// both languages: English through the catalogue with no Russian left in it,
// Russian exactly as before, and the texts composed from templates filled
// the same way in both.
#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <variant>
#include <vector>

#include "common/files.h"
#include "design/calculate.h"
#include "design/design_file.h"
#include "design/ratings/part_ratings.h"
#include "design/ratings/ratings_texts.h"
#include "design/ratings/selection_table.h"
#include "design/ratings/supply_conditions.h"
#include "design/ratings/warnings.h"
#include "design/texts.h"
#include "i18n/catalogue.h"
#include "report/report_text.h"
#include "report/results_table.h"
#include "simulation/texts.h"

namespace {

using namespace tavro;
namespace dt = design::texts;
namespace r = design::ratings;

std::string Translated(const char* context, std::string_view source) {
  return i18n::TranslateUtf8(context, source);
}

bool HasCyrillic(const std::string& text) {
  for (const QChar c : QString::fromStdString(text)) {
    if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
  }
  return false;
}

// Every text composed from templates, for designs that take every branch:
// the worked example; other mains, E12 and a decimal point; the surge and
// the low-mains corner not computed; a voltage above every standard class.
std::string ComposedTexts(const design::TextLookup& lookup) {
  std::string out;
  const auto table = [&](const r::PartRatings& ratings, char separator) {
    for (const r::SelectionRow& row : r::SelectionRows(ratings, separator, lookup)) {
      out += std::to_string(row.Heading) + "|" + row.Part + "|" + row.Requirement + "|" +
             row.Choice + "\n";
    }
  };
  const design::Design worked =
      std::get<design::Design>(design::Calculate({12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L}));
  table(r::RateParts(worked, {}), ',');
  r::SupplyConditions mains;
  mains.Supply = {117.5L, 60.0L};
  mains.Tolerance = 0.15L;
  r::PartRatings other = r::RateParts(worked, mains, {.Series = r::CapacitanceSeries::E12});
  table(other, '.');
  other.Diodes.Surge.reset();
  other.Diodes.SurgeFailure = "no surge";
  other.Corners.LowMains.reset();
  other.Corners.LowFailure = "no low";
  table(other, ',');
  table(r::RateParts(
            std::get<design::Design>(design::Calculate({1000.0L, 0.1L, 1.0L, 1, 1.2L, 0.7L})), {}),
        ',');
  // A limiter sized, an ESR entered and the currents of a simulation.
  r::PartChoices limited;
  limited.SurgeLimit = 5.0L;
  limited.CapacitorEsr = 0.1L;
  table(r::RateParts(worked, {}, limited, r::SimulatedFigures{1.264L, 1.0L, 3.323L, 11.9L}), ',');
  out += r::OutputsGroupCaption({}, ',', lookup) + "\n" +
         r::OutputsGroupCaption({117.5L, 60.0L}, ',', lookup) + "\n";
  // A file name and a detail holding placeholders of their own stay as they are.
  for (int p = 0; p <= static_cast<int>(design::DesignFileProblem::BadEntry); ++p) {
    out += design::DescribeDesignFileError(
               "/a%2/b.tavro", {static_cast<design::DesignFileProblem>(p), "det%1"}, lookup) +
           "\n";
  }
  out +=
      design::DescribeDesignFileError(
          "f", std::get<design::DesignFileError>(design::ParseDesignFile("{\"a\":", ',')), lookup) +
      "\n";
  return out;
}

std::string Golden() {
  return test::ReadFile(TAVRO_I18N_GOLDEN "/composed_russian.txt");
}

struct Marked {
  const char* Context;
  std::string_view Text;
};

std::vector<Marked> MarkedTexts() {
  std::vector<Marked> all;
  for (design::Input i : {design::Input::U0, design::Input::I0, design::Input::Kp,
                          design::Input::Bm, design::Input::Ud}) {
    all.push_back({dt::kContext, dt::InputCaption(i)});
  }
  for (design::Quantity q : dt::kOutputQuantities)
    all.push_back({dt::kContext, dt::OutputCaption(q)});
  for (const dt::NomogramRow& row : dt::kNomogramRows) all.push_back({dt::kContext, row.Caption});
  all.push_back({dt::kContext, dt::kInRadians});
  all.push_back({dt::kContext, dt::kLimbsCaption});
  all.push_back({dt::kContext, dt::kFormatError});
  all.push_back({dt::kContext, dt::FailureMessage(design::FailureStage::CoefficientAbove20)});
  all.push_back({dt::kContext, dt::FailureMessage(design::FailureStage::Results)});
  for (r::WarningKind k :
       {r::WarningKind::FluxDensity, r::WarningKind::DiodeDrop, r::WarningKind::DiodeDropAgainstU0,
        r::WarningKind::LoadVoltageNotPositive, r::WarningKind::PulsesOverlap,
        r::WarningKind::CoefficientAAbove15}) {
    all.push_back({r::texts::kContext, r::WarningText(k)});
  }
  all.push_back({r::texts::kContext, *r::CheckSupply(220.0L, 50.0L, 60.0L)});
  all.push_back({r::texts::kContext, r::texts::kSelectionTitle});
  for (std::string_view text : {r::texts::kFuseIntegralUnknown, r::texts::kFails,
                                r::texts::kLimiterNotNeeded, r::texts::kNominalLowest,
                                r::texts::kChosenDiode,
                                r::texts::kDiodeVrrm,
                                r::texts::kDiodeIfav,
                                r::texts::kDiodeIfsm,
                                r::texts::kDiodeLoss,
                                r::texts::kJunctionTemperature,
                                r::texts::kHeatsink,
                                r::texts::kEqualising,
                                r::texts::kSuggestedDiode,
                                r::texts::kDiodeFits,
                                r::texts::kDiodeFails,
                                r::texts::kRatingPasses,
                                r::texts::kRatingFails,
                                r::texts::kSurgeWithDiodes,
                                r::texts::kDiodeLossValue,
                                r::texts::kDiodeLossSimulatedValue,
                                r::texts::kEfficiencyValueChosen,
                                r::texts::kBridgeLossOfModel,
                                r::texts::kBridgeLossSimulated,
                                r::texts::kJunctionValue,
                                r::texts::kJunctionNoFigure,
                                r::texts::kHeatsinkNotNeeded,
                                r::texts::kHeatsinkNeeded,
                                r::texts::kHeatsinkNone,
                                r::texts::kHeatsinkUnknown,
                                r::texts::kEqualisingValue,
                                r::texts::kEqualisingImpossible,
                                r::texts::kWarnDiodeReverse,
                                r::texts::kWarnDiodeCurrent,
                                r::texts::kWarnDiodeSurge,
                                r::texts::kWarnDiodeHeatsink,
                                r::texts::kNoDiodeFits}) {
    all.push_back({r::texts::kContext, text});
  }
  for (const char* key :
       {"U0", "I0", "RipplePP", "Ripple100", "I2", "Idavg", "Idrms", "Idpk", "Beta", "Icrms"}) {
    all.push_back({simulation::texts::kContext, simulation::texts::QuantityName(key)});
  }
  all.push_back({simulation::texts::kContext, simulation::texts::kMethodCheck});
  all.push_back({simulation::texts::kContext, simulation::texts::kNotSettled});
  for (std::string_view text :
       {simulation::texts::kMethodNotSettled, simulation::texts::kReverseVoltageExceeded,
        simulation::texts::kReverseVoltageAboveVrrm, simulation::texts::kStalled,
        simulation::texts::kCancelled, simulation::texts::kImpossible,
        simulation::texts::kNotAReport, simulation::texts::kHelperCrashed,
        simulation::texts::kHelperExited, simulation::texts::kHelperSilent,
        simulation::texts::kHelperNotStarted}) {
    all.push_back({simulation::texts::kContext, text});
  }
  for (std::string_view text :
       {simulation::texts::kSurgeNominalMains, simulation::texts::kSurgeHighMains,
        simulation::texts::kResistiveLoad, simulation::texts::kCurrentLoad}) {
    all.push_back({simulation::texts::kContext, text});
  }
  return all;
}

class CoreTexts : public ::testing::Test {
 protected:
  void TearDown() override { i18n::UseLanguage(i18n::Language::Russian); }
};

TEST_F(CoreTexts, UntranslatedAndRussianComposeTheOriginalTexts) {
  EXPECT_EQ(ComposedTexts(design::Untranslated), Golden());
  i18n::UseLanguage(i18n::Language::Russian);
  EXPECT_EQ(ComposedTexts(Translated), Golden());
  for (const Marked& m : MarkedTexts()) EXPECT_EQ(Translated(m.Context, m.Text), m.Text);
}

TEST_F(CoreTexts, EnglishLeavesNoRussianAndFillsTheTemplates) {
  i18n::UseLanguage(i18n::Language::English);
  for (const Marked& m : MarkedTexts()) {
    const std::string english = Translated(m.Context, m.Text);
    EXPECT_FALSE(english.empty() || HasCyrillic(english)) << m.Text << " → " << english;
  }
  const std::string composed = ComposedTexts(Translated);
  EXPECT_FALSE(HasCyrillic(composed)) << composed;
  // The values land in their places; the chosen separator is kept.
  for (const char* expected :
       {"0|Capacitance|at least 24805 µF with −20 % tolerance|27000 µF (E12 series)",
        "|16.5 A on switch-on at phase 50.8°, mains +15 %, capacitor discharged|",
        "|mains −15 %, rated current: not computed: no low|", "Output data (mains 117,5 V / 60 Hz)",
        "The design file “/a%2/b.tavro” contains an unknown entry “det%1”",
        "(Invalid value., byte 5)."}) {
    EXPECT_NE(composed.find(expected), std::string::npos) << expected << "\n" << composed;
  }
}

// The results tables (clipboard, PDF) follow the language; the text report,
// a stored format, stays Russian whatever the language in use.
TEST_F(CoreTexts, ResultsTablesFollowTheLanguageTheReportDoesNot) {
  i18n::UseLanguage(i18n::Language::English);
  const report::ReportContent content{
      {"12", "1", "1", "1", "1.2", "0.7"},
      std::get<design::Design>(design::Calculate({12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L})),
      '.'};
  const std::string table = report::ResultsTabSeparated(content, Translated);
  EXPECT_FALSE(HasCyrillic(table)) << table;
  EXPECT_NE(table.find("Transformer frame power\t"), std::string::npos) << table;
  std::string lines;
  for (const std::string& line : report::ReportLines(content, {8, 12, 2026, 14, 10}, ":")) {
    lines += line + "\n";
  }
  EXPECT_NE(lines.find("Габаритная мощность трансформатора:"), std::string::npos);
}

}  // namespace
