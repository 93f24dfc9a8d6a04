// The "Графики" menu: the load characteristic and the diode current windows.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "app/form_fixture.h"
#include "app/plot_windows.h"
#include "design/decimal.h"

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

  const design::LoadTable& table = form.Procedure().Table();
  const QVector<QPointF>& curve = window->Plot().Curve();
  ASSERT_EQ(curve.size(), 25);
  for (int k = 0; k < 25; ++k) {
    EXPECT_DOUBLE_EQ(curve[k].x(), static_cast<double>(table.Current[k]));
    EXPECT_DOUBLE_EQ(curve[k].y(), static_cast<double>(table.Voltage[k]));
  }
  ASSERT_EQ(window->Plot().Markers().size(), 2);
  EXPECT_EQ(window->Plot().Markers()[0].At, QPointF(1.0, 12.0));  // the rated point
  EXPECT_EQ(window->Plot().Markers()[1].At, QPointF(1.0, 12.0));  // the slider, at 20

  form.Controls().trackBar1->setFocus();
  QTest::keyClick(form.Controls().trackBar1, Qt::Key_End);
  EXPECT_EQ(window->Plot().Markers()[1].At, curve[24]);
  EXPECT_EQ(window->Plot().Markers()[0].At, QPointF(1.0, 12.0));
  EXPECT_TRUE(window->Plot().Markers()[1].Label.contains("120%"));

  // Tick labels in the program's number format.
  EXPECT_TRUE(window->Plot().XTickLabels().join(' ').contains(','));

  // A new calculation redraws the open window.
  TypeInto(Field::Edit1, "24");
  Calculate();
  EXPECT_DOUBLE_EQ(window->Plot().Curve()[20].y(), 24.0);
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
  EXPECT_EQ(window->Plot().XTickLabels().front(), "0");
  EXPECT_EQ(window->Plot().XTickLabels().back(), "360");
  ASSERT_EQ(window->Plot().Markers().size(), 3);
  EXPECT_NEAR(window->Plot().Markers()[0].At.x(), 90 - 47.4882, 1e-3);  // conduction starts
  EXPECT_NEAR(window->Plot().Markers()[2].At.x(), 143.249, 1e-3);       // and ends
  // The legend quotes the rms and peak currents exactly as the window shows them.
  const QString notes = window->Plot().LegendNotes().join('\n');
  EXPECT_TRUE(notes.contains(QString::fromStdString(Shown(Field::Edit17)))) << notes.toStdString();
  EXPECT_TRUE(notes.contains(QString::fromStdString(Shown(Field::Edit18))));
}

TEST_F(Plots, SaveAsPngAndSvg) {
  TypeWorkedExample();
  Calculate();
  form.Controls().n8->trigger();
  QTemporaryDir folder;
  const QString png = folder.filePath("pulse.png");
  const QString svg = folder.filePath("pulse.svg");
  ASSERT_TRUE(PulseWindow()->Plot().SavePng(png));
  ASSERT_TRUE(PulseWindow()->Plot().SaveSvg(svg));
  const QImage image(png);
  EXPECT_GE(image.width(), 480);
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray content = file.readAll();
  EXPECT_TRUE(content.contains("<svg"));
  EXPECT_TRUE(content.contains("360"));
  EXPECT_FALSE(PulseWindow()->Plot().SavePng(folder.filePath("no/such/folder/x.png")));
}

TEST(PlotWidget, TicksFollowTheDataInTheGivenLocale) {
  PlotWidget plot;
  plot.SetNumberLocale(QLocale(QLocale::Russian, QLocale::Russia));
  plot.SetCurve({{0, 17.8}, {0.6, 13.6}, {1.2, 11.3}}, "U(I)");
  EXPECT_EQ(plot.XTickLabels(), (QStringList{"0,0", "0,2", "0,4", "0,6", "0,8", "1,0", "1,2"}));
  EXPECT_EQ(plot.YTickLabels().front(), "0");
  plot.SetNumberLocale(QLocale::c());
  plot.SetXRange(0, 360, 45);
  EXPECT_EQ(plot.XTickLabels().size(), 9);
  EXPECT_EQ(plot.XTickLabels()[1], "45");
}

}  // namespace
}  // namespace tavro::app
