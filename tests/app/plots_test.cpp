// The "Графики" menu: the load characteristic and the diode current windows,
// their read-out, export and placement.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "app/form_fixture.h"
#include "app/plot_windows.h"
#include "app/window_placement.h"
#include "common/pdf_text.h"
#include "design/decimal.h"
#include "design/readable_number.h"

namespace tavro::app {
namespace {

using design::Field;

class Plots : public test::FormTest {
 protected:
  LoadCharacteristicWindow* LoadWindow() const {
    return form.findChild<LoadCharacteristicWindow*>("LoadCharacteristicWindow");
  }
  DiodeCurrentWindow* PulseWindow() const {
    return form.findChild<DiodeCurrentWindow*>("DiodeCurrentWindow");
  }
};

QString TickLabels(PlotView& plot) {
  plot.replot();
  return plot.xAxis->tickVectorLabels().join(' ');
}

TEST_F(Plots, MenuFollowsTheCalculation) {
  EXPECT_FALSE(form.Controls().n7->isEnabled());
  EXPECT_FALSE(form.Controls().n8->isEnabled());
  TypeWorkedExample();
  Calculate();
  EXPECT_TRUE(form.Controls().n7->isEnabled());
  EXPECT_TRUE(form.Controls().n8->isEnabled());
  TypeInto(Field::Edit1, "0,01");  // A above 20: no complete calculation
  Calculate();
  EXPECT_FALSE(form.Controls().n7->isEnabled());
  EXPECT_FALSE(form.Controls().n8->isEnabled());
}

TEST_F(Plots, LoadCharacteristicShowsTheTableAndFollowsTheSlider) {
  TypeWorkedExample();
  Calculate();
  form.Controls().n7->trigger();
  LoadCharacteristicWindow* window = LoadWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  PlotView& plot = window->Plot();

  const design::LoadTable& table = form.Procedure().Table();
  ASSERT_EQ(plot.Points().size(), 25);
  for (int k = 0; k < 25; ++k) {
    EXPECT_DOUBLE_EQ(plot.Points()[k].x(), static_cast<double>(table.Current[k]));
    EXPECT_DOUBLE_EQ(plot.Points()[k].y(), static_cast<double>(table.Voltage[k]));
  }
  // The model's whole curve, through the table's rows.
  EXPECT_EQ(plot.Curve().size(), 166);
  EXPECT_EQ(plot.Curve()[55], plot.Points()[2]);
  ASSERT_EQ(plot.Markers().size(), 2);
  EXPECT_EQ(plot.Markers()[0].At, QPointF(1.0, 12.0));  // the rated point
  EXPECT_EQ(plot.Markers()[1].At, QPointF(1.0, 12.0));  // the slider, at 20

  // The slider moves its marker without undoing the user's zoom.
  plot.xAxis->setRange(0.5, 1.3);
  form.Controls().trackBar1->setFocus();
  QTest::keyClick(form.Controls().trackBar1, Qt::Key_End);
  EXPECT_EQ(plot.xAxis->range(), QCPRange(0.5, 1.3));
  window->findChild<QPushButton*>("ResetView")->click();
  EXPECT_EQ(plot.Markers()[1].At, plot.Points()[24]);
  EXPECT_EQ(plot.Markers()[0].At, QPointF(1.0, 12.0));
  EXPECT_TRUE(plot.Markers()[1].Label.contains("120%"));

  // Every marker inside the axes, clear of their edges.
  for (const PlotView::Marker& m : plot.Markers()) {
    EXPECT_TRUE(plot.xAxis->range().contains(m.At.x()) && m.At.x() > plot.xAxis->range().lower);
    EXPECT_GT(m.At.y() - plot.yAxis->range().lower, 0.03 * plot.yAxis->range().size());
  }
  EXPECT_TRUE(TickLabels(plot).contains(','));
  EXPECT_TRUE(plot.Title().contains("1,2 Тл")) << plot.Title().toStdString();

  // A new calculation redraws the open window.
  TypeInto(Field::Edit1, "24");
  Calculate();
  EXPECT_DOUBLE_EQ(plot.Points()[20].y(), 24.0);
  EXPECT_TRUE(plot.Title().contains("U₀ = 24 В"));
}

TEST_F(Plots, DiodeCurrentAgreesWithTheResults) {
  TypeWorkedExample();
  Calculate();
  form.Controls().n8->trigger();
  DiodeCurrentWindow* window = PulseWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());

  double max = 0;
  for (const QPointF& p : window->Plot().Curve()) max = std::max(max, p.y());
  EXPECT_NEAR(max, 2.85814, 1e-5);
  const QStringList ticks = TickLabels(window->Plot()).split(' ');
  EXPECT_EQ(ticks.front(), "0");
  EXPECT_EQ(ticks.back(), "360");
  ASSERT_EQ(window->Plot().Markers().size(), 3);
  EXPECT_NEAR(window->Plot().Markers()[0].At.x(), 90 - 47.4882, 1e-3);  // conduction starts
  EXPECT_NEAR(window->Plot().Markers()[2].At.x(), 143.249, 1e-3);       // and ends
  // The legend quotes the rms and peak currents the window shows, readable.
  const QString notes = window->Plot().LegendNotes().join('\n');
  for (Field f : {Field::Edit17, Field::Edit18}) {
    const long double shown = QString::fromStdString(Shown(f)).replace(',', '.').toDouble();
    const QString readable =
        QString::fromStdString(design::FormatReadable(shown, design::Unit::Ampere, ','));
    EXPECT_TRUE(notes.contains(readable)) << notes.toStdString() << " / " << readable.toStdString();
  }
}

// The save buttons with their questions answered: PNG at the window's size
// times the chosen scale; SVG and PDF as vectors carrying the title.
TEST_F(Plots, SavedFilesHaveTheAskedSizeAndTheTitle) {
  TypeWorkedExample();
  Calculate();
  form.Controls().n8->trigger();
  DiodeCurrentWindow* window = PulseWindow();
  QTemporaryDir folder;
  QString path;
  std::optional<PngExport> proposed;
  window->SetDialogs({[&](QWidget*, const QString&, const QString&) { return path; },
                      [&](QWidget*, const PngExport& proposal) {
                        proposed = proposal;
                        return PngExport{proposal.Size, 2.0};
                      }});
  const auto click = [&](const char* button, const QString& file) {
    path = folder.filePath(file);
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    return path;
  };

  const QImage png(click("SavePng", "pulse.png"));
  ASSERT_TRUE(proposed);
  EXPECT_EQ(proposed->Size, window->Plot().size());
  EXPECT_EQ(png.size(), 2 * window->Plot().size());

#ifdef TAVRO_SVG_EXPORT
  QFile svg(click("SaveSvg", "pulse.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QString svgText = QString::fromUtf8(svg.readAll());
  EXPECT_TRUE(svgText.contains("Форма тока вентиля"));
  EXPECT_TRUE(svgText.contains("Bm = 1,2 Тл"));
  EXPECT_FALSE(window->Plot().ExportSvg(folder.filePath("no/such/folder/x.svg"), {400, 300}));
#else
  EXPECT_EQ(window->findChild<QPushButton*>("SaveSvg"), nullptr);
#endif
  EXPECT_FALSE(window->Plot().ExportPng(folder.filePath("no/such/folder/x.png"), {400, 300}, 1));

  const QString pdf = click("SavePdf", "pulse.pdf");
  TAVRO_READ_PDF_OR_SKIP(pdf.toStdString());
  const QString pdfText = QString::fromStdString(test::PdfText(pdf.toStdString(), ""));
  EXPECT_TRUE(pdfText.contains("Форма тока вентиля")) << pdfText.toStdString();
  EXPECT_TRUE(pdfText.contains("Bm = 1,2 Тл"));
}

TEST(PlotView, ReadOutGivesTheCurveUnderTheCursorInTheLocale) {
  PlotView plot;
  plot.resize(720, 520);
  plot.SetNumberLocale(QLocale(QLocale::Russian, QLocale::Russia));
  plot.SetAxes("I, А", {"I", " А"}, "U, В", {"U", " В"});
  plot.SetCurve({{0, 10}, {0.5, 15}, {1, 20}}, "U(I)");
  plot.ResetView();
  plot.show();
  plot.replot();
  const QPoint at(qRound(plot.xAxis->coordToPixel(0.73)), plot.axisRect()->rect().center().y());
  QTest::mouseMove(&plot, at);
  const double x = plot.xAxis->pixelToCoord(at.x());
  const QString expected = "I = " + plot.locale().toString(x, 'f', 3) +
                           " А   U = " + plot.locale().toString(10 + 10 * x, 'f', 2) + " В";
  EXPECT_EQ(plot.ReadOut().toStdString(), expected.toStdString());
  EXPECT_TRUE(plot.ReadOut().startsWith("I = 0,73"));
  plot.ReadOutAt(plot.xAxis->coordToPixel(1.02));  // past the curve's end
  EXPECT_TRUE(plot.ReadOut().isEmpty());
}

TEST(PlotView, ACurveWithoutANameStaysOutOfTheLegendAndThePlotKeepsItsWidth) {
  PlotView plot;
  plot.resize(720, 520);
  plot.show();
  for (const QString& name : {QString(), QString("U(I)"), QString()}) {
    plot.SetCurve({{0, 10}, {1, 20}}, name);
    plot.replot();
    EXPECT_EQ(plot.legend->itemCount(), name.isEmpty() ? 0 : 1);
    EXPECT_GT(plot.axisRect()->width(), 600) << name.toStdString();
    if (!name.isEmpty()) {
      EXPECT_LT(plot.legend->outerRect().height(), 60);  // the axes take the rest
    }
  }
}

TEST(WindowPlacement, BesideTheMainWindowWhereverThereIsRoom) {
  const QRect main(512, 100, 900, 720);
  const QSize wanted(740, 600), least(540, 480);
  // Room on the right.
  Placement p = PlaceBeside(main, {0, 0, 2560, 1400}, wanted, least, 0);
  EXPECT_EQ(p.MainTopLeft, main.topLeft());
  EXPECT_EQ(p.Window, QRect(main.right() + 9, 100, 740, 600));
  EXPECT_EQ(PlaceBeside(main, {0, 0, 2560, 1400}, wanted, least, 1, 2).Window.top(), 708);
  // No room on either side of a centred window: it moves to the left edge.
  p = PlaceBeside(main, {0, 0, 1920, 1040}, wanted, least, 0);
  EXPECT_EQ(p.MainTopLeft, QPoint(0, 100));
  EXPECT_EQ(p.Window, QRect(908, 100, 740, 600));
  EXPECT_FALSE(p.Window.intersects(QRect(p.MainTopLeft, main.size())));

  // Two windows sharing the room never lie over each other: one under the
  // other, or side by side, whichever keeps them larger; over the main
  // window only when no side holds them.
  struct Case {
    QRect Screen;
    QRect First, Second;
  };
  const Case cases[] = {
      {{0, 0, 2560, 1400}, {1420, 100, 740, 600}, {1420, 708, 740, 600}},
      {{0, 0, 1920, 1040}, {908, 0, 740, 516}, {908, 524, 740, 516}},
      {{0, 0, 1366, 768}, {0, 100, 679, 600}, {687, 100, 679, 600}},  // no side holds one
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceBeside(main, c.Screen, wanted, least, 0, 2).Window, c.First);
    EXPECT_EQ(PlaceBeside(main, c.Screen, wanted, least, 1, 2).Window, c.Second);
  }
  const QRect small(0, 0, 1024, 600), filling(0, 0, 1024, 600);
  p = PlaceBeside(filling, small, {742, 598}, {422, 358}, 0, 2);
  EXPECT_EQ(p.Window, QRect(0, 0, 508, 598));
  EXPECT_EQ(PlaceBeside(filling, small, {742, 598}, {422, 358}, 1, 2).Window,
            QRect(516, 0, 508, 598));
  p = PlaceBeside({0, 0, 900, 720}, {0, 0, 1366, 768}, {742, 598}, {422, 358}, 1, 2);
  EXPECT_EQ(p.Window, QRect(908, 388, 458, 380));
  // Room on the right, but more once the main window moves to the edge.
  p = PlaceBeside({510, 180, 900, 720}, {0, 0, 1920, 1080}, {742, 598}, {422, 358}, 1, 2);
  EXPECT_EQ(p.MainTopLeft, QPoint(0, 180));
  EXPECT_EQ(p.Window, QRect(908, 544, 742, 536));
}

}  // namespace
}  // namespace tavro::app
