// Трансформатор → "Подобрать стандартный..." and "Намотать...": the windows
// show the engine's candidates and winding for the shown design, grey while
// it is stale and follow the next calculation; the core family is chosen
// there.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/design_banner.h"
#include "app/form_fixture.h"
#include "common/pdf_text.h"
#include "design/ratings/part_ratings.h"
#include "design/transformer/candidate_table.h"
#include "design/transformer/suggest.h"
#include "design/transformer/winding.h"
#include "i18n/catalogue.h"

namespace tavro::app {
namespace {

using design::Field;
namespace tr = design::transformer;

class TransformerWindows : public test::FormTest {
 protected:
  // The engine's own figures for a design typed as the window's inputs.
  static design::Design Designed(long double u0) {
    return std::get<design::Design>(design::Calculate({u0, 1, 1, 1, 1.2L, 0.7L}));
  }
  static std::string EngineMarked(const design::Design& d) {
    const tr::Suggestion s = tr::SuggestTransformers(d, {}, design::ratings::PartChoices{});
    return s.Chosen ? tr::CandidateLines(s, ',', i18n::TranslateUtf8)[*s.Chosen].Plate : "";
  }
  static std::string EngineCore(const design::Design& d, tr::CoreFamily family) {
    const tr::WindingResult w =
        tr::Wind(d, d.Supply, {family, d.Inputs.Bm, design::ratings::PartChoices{}.Ambient});
    return std::get<tr::Winding>(w).Chosen.Name;
  }
  QString Marked() const {
    const QTableWidget& t = form.Candidates()->Table();
    for (int row = 0; row < t.rowCount(); ++row) {
      if (t.item(row, 0)->text().startsWith("→ ")) return t.item(row, 0)->text();
    }
    return {};
  }
  std::string WoundCore() const {
    return std::get<tr::Winding>(*form.Winding()->Result()).Chosen.Name;
  }
  static bool Greyed(const QWidget& figures) { return figures.graphicsEffect() != nullptr; }
};

TEST_F(TransformerWindows, ShowTheEnginesChoiceGreyWhenStaleAndFollow) {
  EXPECT_FALSE(form.CandidatesItem()->isEnabled());
  EXPECT_FALSE(form.WindItem()->isEnabled());
  TypeWorkedExample();
  Calculate();
  form.CandidatesItem()->trigger();
  form.WindItem()->trigger();
  ASSERT_NE(form.Candidates(), nullptr);
  ASSERT_NE(form.Winding(), nullptr);
  EXPECT_TRUE(form.Candidates()->isVisible() && form.Winding()->isVisible());

  const design::Design twelve = Designed(12);
  EXPECT_TRUE(Marked().contains(QString::fromStdString(EngineMarked(twelve))))
      << Marked().toStdString();
  EXPECT_TRUE(Marked().contains("12 В, 25 В·А")) << Marked().toStdString();
  EXPECT_EQ(WoundCore(), EngineCore(twelve, tr::CoreFamily::LaminatedEI));
  EXPECT_EQ(WoundCore(), "EI 60/30");
  EXPECT_TRUE(form.Winding()->Lines().item(0)->text().contains("EI 60/30"));

  auto& candidatesBanner = form.Candidates()->Banner();
  auto& windingBanner = form.Winding()->Banner();
  TypeInto(Field::Edit1, "24");
  EXPECT_TRUE(candidatesBanner.Stale() && windingBanner.Stale());
  EXPECT_TRUE(Greyed(form.Candidates()->Table()));
  EXPECT_TRUE(Greyed(form.Winding()->Lines()));

  Calculate();
  EXPECT_FALSE(candidatesBanner.Stale() || windingBanner.Stale());
  EXPECT_TRUE(candidatesBanner.text().contains("U₀ = 24 В"));
  const design::Design twentyFour = Designed(24);
  EXPECT_EQ(form.Candidates()->Suggestion()->NeededEmf, twentyFour.Results.U2);
  EXPECT_TRUE(Marked().contains(QString::fromStdString(EngineMarked(twentyFour))));
  EXPECT_EQ(WoundCore(), EngineCore(twentyFour, tr::CoreFamily::LaminatedEI));

  // A family chosen in the window winds at once and stays for the next design.
  form.Winding()->Family().setCurrentIndex(1);
  EXPECT_EQ(WoundCore(), EngineCore(twentyFour, tr::CoreFamily::Toroidal));
  TypeInto(Field::Edit1, "12");
  Calculate();
  EXPECT_EQ(form.Winding()->Request()->Family, tr::CoreFamily::Toroidal);
  EXPECT_EQ(WoundCore(), EngineCore(twelve, tr::CoreFamily::Toroidal));
  EXPECT_TRUE(messages.empty() && errors.empty());
}

// The PDF carries the transformer section while the windows are open, as
// they show it, and not once they are closed.
TEST_F(TransformerWindows, PdfCarriesTheirSectionWhileOpen) {
  QTemporaryDir dir;
  const QString path = dir.filePath("design.pdf");
  form.SetPdfFileDialog([&](QWidget*, const QString&, const QString&, const QString&,
                            const QString&, QString& name, bool) {
    name = path;
    return true;
  });
  TypeWorkedExample();
  Calculate();
  form.CandidatesItem()->trigger();
  form.WindItem()->trigger();
  form.Winding()->Family().setCurrentIndex(1);  // toroidal
  const std::string core = WoundCore();
  for (const bool open : {true, false}) {
    SCOPED_TRACE(open);
    form.Actions().exportPdf->trigger();
    TAVRO_READ_PDF_OR_SKIP(path.toStdString());
    const std::string text = test::PdfText(path.toStdString());
    ASSERT_FALSE(text.empty());
    for (const std::string& expected :
         {std::string("Стандартные трансформаторы"), std::string("→ Броневой (Ш-образный) 12 В"),
          "Сердечник " + core}) {
      EXPECT_EQ(text.find(expected) != std::string::npos, open) << expected;
    }
    form.Candidates()->close();
    form.Winding()->close();
  }
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace tavro::app
