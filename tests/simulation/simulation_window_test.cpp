// "Проверка моделированием" as a user meets it: the menu waits for a
// complete calculation, a run fills the comparison, and a helper that
// crashes gives one message while the window carries on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "app/analysis_panel.h"
#include "app/form_fixture.h"
#include "app/plot_windows.h"
#include "app/simulation_window.h"
#include "common/pdf_text.h"
#include "plot/simulation_plots.h"

namespace tavro::app {
namespace {

class SimulationWindowTest : public test::FormTest {
 protected:
  SimulationWindow* Open() {
    TypeWorkedExample();
    Calculate();
    form.SimulationItem()->trigger();
    SimulationWindow* window = form.Simulation();
    if (window != nullptr) window->SetHelper(TAVRO_SIMULATE_HELPER);
    return window;
  }

  bool RunToEnd(SimulationWindow& window) {
    QSignalSpy finished(&window, &SimulationWindow::Finished);
    window.RunButton()->click();
    return finished.wait(120000);
  }

  QString TableText(const SimulationWindow& window) const {
    QString text;
    for (int r = 0; r < window.Table()->rowCount(); ++r) {
      for (int c = 0; c < window.Table()->columnCount(); ++c) {
        if (const QTableWidgetItem* item = window.Table()->item(r, c)) text += item->text() + "|";
      }
      text += "\n";
    }
    return text;
  }
};

TEST_F(SimulationWindowTest, MenuWaitsForACompleteCalculation) {
  EXPECT_FALSE(form.SimulationItem()->isEnabled());
  EXPECT_FALSE(form.ExportSpiceItem()->isEnabled());
  TypeWorkedExample();
  Calculate();
  EXPECT_TRUE(form.SimulationItem()->isEnabled());
  EXPECT_TRUE(form.ExportSpiceItem()->isEnabled());
}

TEST_F(SimulationWindowTest, RunShowsBothChecksAndTheSurgesAtTheChosenMains) {
  SimulationWindow* window = Open();
  ASSERT_NE(window, nullptr);
  form.SetMainsDialog([](QWidget*, const design::ratings::SupplyConditions&) {
    return std::optional<design::ratings::SupplyConditions>({{230.0L, 50.0L}, 0.05L});
  });
  form.MainsItem()->trigger();  // recalculates for 230 V
  ASSERT_TRUE(RunToEnd(*window));
  EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
  const QString table = TableText(*window);
  EXPECT_TRUE(table.contains("расчёт подтверждён")) << table.toStdString();
  EXPECT_TRUE(table.contains("Реальная схема: 1N4007")) << table.toStdString();
  EXPECT_TRUE(table.contains("Бросок тока при включении (конденсатор разряжен), сеть 230 В"))
      << table.toStdString();
  EXPECT_TRUE(table.contains("сеть 241,5 В (+5 %)") || table.contains("сеть 241.5 В (+5 %)"))
      << table.toStdString();
  EXPECT_GT(window->SettledPeriods(), 0);

  // The plots are the run's shared descriptions, each with its read-out and
  // export.
  const simulation::SimulationReport& report = *window->LastReport();
  const plot::PlotDescription described[] = {
      plot::SteadyStatePlot(report, plot::SteadyWave::OutputVoltage),
      plot::SteadyStatePlot(report, plot::SteadyWave::DiodeCurrent),
      plot::SteadyStatePlot(report, plot::SteadyWave::CapacitorCurrent),
      plot::SwitchOnPlot(report, ',')};
  auto* tabs = window->findChild<QTabWidget*>();
  ASSERT_NE(tabs, nullptr);
  QTemporaryDir saved;
  QString savedAs;
  window->ExportButtons()->SetDialogs(
      {[&](QWidget*, const QString&, const QString&) { return savedAs; },
       [](QWidget*, const PngExport& proposal) { return proposal; }});
  for (int i = 0; i < 4; ++i) {
    tabs->setCurrentIndex(i);
    QApplication::processEvents();
    PlotView* view = window->Plots()[static_cast<std::size_t>(i)];
    ASSERT_FALSE(described[i].Curves.isEmpty()) << i;
    EXPECT_EQ(view->Curve(), described[i].Curves.front().Points) << i;
    EXPECT_EQ(view->yAxis->label(), described[i].Y.Title) << i;
    view->replot();
    view->ReadOutAt(view->xAxis->coordToPixel(view->Curve()[view->Curve().size() / 2].x()));
    EXPECT_TRUE(view->ReadOut().startsWith(described[i].X.Symbol + " = ")) << i;
    savedAs = saved.filePath(QString("plot%1.svg").arg(i));
    window->ExportButtons()->findChild<QPushButton*>("SaveSvg")->click();
    QFile svg(savedAs);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << i;
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains(tabs->tabText(i))) << i;
  }
  // Both switch-on curves, the high mains' in the legend.
  EXPECT_EQ(described[3].Curves.size(), 2);

  // The PDF report carries the check as the window shows it.
  QTemporaryDir dir;
  const QString pdf = dir.filePath("check.pdf");
  form.SetPdfFileDialog([&](QWidget*, const QString&, const QString&, const QString&,
                            const QString&, QString& name, bool) {
    name = pdf;
    return true;
  });
  form.Actions().exportPdf->trigger();
  const std::string text = test::PdfText(pdf.toStdString());

  // The netlist is of the design at 230 V and notes the surges just run.
  const QString cir = dir.filePath("check.cir");
  form.SetFileDialog([&](QWidget*, const QString&, const QString&, const QString&, const QString&,
                         QString& name, bool) {
    name = cir;
    return true;
  });
  form.ExportSpiceItem()->trigger();
  QFile netlist(cir);
  ASSERT_TRUE(netlist.open(QIODevice::ReadOnly));
  const QByteArray spice = netlist.readAll();
  EXPECT_TRUE(spice.contains("* Mains: 230 V, 50 Hz")) << spice.toStdString();
  EXPECT_TRUE(spice.contains("high mains 241.5 V (+5 %)")) << spice.toStdString();
  EXPECT_NE(text.find("Проверка моделированием"), std::string::npos);
  EXPECT_NE(text.find("Бросок тока"), std::string::npos);
  EXPECT_NE(text.find("(+5 %)"), std::string::npos);
}

QString Script(const QTemporaryDir& dir, const char* name, const char* body) {
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(QByteArray("#!/bin/sh\n") + body + "\n");
  file.close();
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

// While the window checks a transformer one has, the simulation checks that
// transformer: the design's own, fed back, passes the method check as the
// design does; its report never rates the design's parts, and going back to
// the design brings the design back.
TEST_F(SimulationWindowTest, ACheckedTransformerIsSimulatedInPlaceOfTheDesign) {
  TypeWorkedExample();
  Calculate();
  const design::Design d = *form.Procedure().LastDesign();
  form.Analysis().AnalysisItem()->trigger();
  EXPECT_FALSE(form.SimulationItem()->isEnabled());
  const auto digits = [](long double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", v);
    return QString(text).replace('.', ',').toStdString();
  };
  design::AnalysisTexts own;
  own.Voltage = digits(d.Results.U2);
  own.NoLoad = true;
  own.Current = "1";
  own.PrimaryResistance = "0";
  own.SecondaryResistance = digits(d.Parameters.Rtr);
  own.Leakage = digits(d.Parameters.Ls);
  own.Capacitance = digits(d.Results.Cf);
  own.LoadCurrent = "1";
  own.DiodeDrop = "0,7";
  own.Flux = "1,2";
  AnalysisPanel& panel = *form.Analysis().Panel();
  panel.SetTexts(own);
  panel.Check();
  ASSERT_EQ(panel.ErrorLine(), QString());
  ASSERT_TRUE(form.SimulationItem()->isEnabled());
  form.SimulationItem()->trigger();
  SimulationWindow* window = form.Simulation();
  ASSERT_NE(window, nullptr);
  window->SetHelper(TAVRO_SIMULATE_HELPER);
  EXPECT_TRUE(window->OfAnalysis());
  EXPECT_TRUE(window->Banner().text().startsWith("Трансформатор: U₂ = "));
  ASSERT_TRUE(RunToEnd(*window));
  ASSERT_TRUE(window->LastReport() && window->LastReport()->Ok) << TableText(*window).toStdString();
  EXPECT_TRUE(window->LastReport()->Method->Passed);
  EXPECT_EQ(window->DesignReport(), nullptr);

  form.Analysis().DesignItem()->trigger();
  EXPECT_FALSE(window->OfAnalysis());
  EXPECT_FALSE(window->LastReport());
  EXPECT_TRUE(window->Banner().text().startsWith("U₀ = 12"));
}

TEST_F(SimulationWindowTest, ACrashingOrHangingHelperGivesAMessageAndTheWindowCarriesOn) {
  QTemporaryDir dir;
  SimulationWindow* window = Open();
  ASSERT_NE(window, nullptr);
  window->SetHelper(Script(dir, "crash.sh", "kill -SEGV $$"));
  ASSERT_TRUE(RunToEnd(*window));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages.back().contains("аварийно")) << messages.back().toStdString();
  EXPECT_TRUE(window->RunButton()->isEnabled());
  EXPECT_FALSE(window->Running());

  window->SetHelper(Script(dir, "hang.sh", "exec sleep 30"));
  window->SetTimeLimit(300);
  ASSERT_TRUE(RunToEnd(*window));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_TRUE(messages.back().contains("не ответила")) << messages.back().toStdString();
  EXPECT_FALSE(window->Running());
  window->SetTimeLimit(120000);

  // The real helper works in the same window afterwards.
  window->SetHelper(TAVRO_SIMULATE_HELPER);
  ASSERT_TRUE(RunToEnd(*window));
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_TRUE(window->LastReport().has_value());
}

TEST_F(SimulationWindowTest, CancelStopsTheRunQuietly) {
  SimulationWindow* window = Open();
  ASSERT_NE(window, nullptr);
  window->RunButton()->click();
  EXPECT_TRUE(window->Running());
  window->CancelButton()->click();
  EXPECT_FALSE(window->Running());
  EXPECT_TRUE(window->RunButton()->isEnabled());
  EXPECT_EQ(window->Progress()->value(), 0);
  EXPECT_TRUE(messages.empty());
}

// Cancel brings back the state before the run: the last complete run's
// table, its diode in the choice, the progress of a complete run, and a
// netlist of that run's circuit; a new design stops a run of the old one.
TEST_F(SimulationWindowTest, CancelRestoresTheLastCompleteRun) {
  QTemporaryDir dir;
  SimulationWindow* window = Open();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(RunToEnd(*window));
  ASSERT_TRUE(TableText(*window).contains("Реальная схема: 1N4007"));

  window->DiodeChoice()->setCurrentText("1N5822");
  window->SetHelper(Script(dir, "slow.sh",
                           "cat >/dev/null; echo '{\"progress\": 0.5, \"step\": \"circuit\"}'; "
                           "exec sleep 30"));
  window->RunButton()->click();
  for (int i = 0; i < 400 && window->Progress()->value() != 500; ++i) QTest::qWait(25);
  ASSERT_EQ(window->Progress()->value(), 500);
  window->CancelButton()->click();
  EXPECT_FALSE(window->Running());
  EXPECT_EQ(window->DiodeChoice()->currentText(), "1N4007");
  EXPECT_TRUE(TableText(*window).contains("Реальная схема: 1N4007"));
  EXPECT_EQ(window->Progress()->value(), window->Progress()->maximum());

  const QString cir = dir.filePath("after_cancel.cir");
  form.SetFileDialog([&](QWidget*, const QString&, const QString&, const QString&, const QString&,
                         QString& name, bool) {
    name = cir;
    return true;
  });
  form.ExportSpiceItem()->trigger();
  QFile netlist(cir);
  ASSERT_TRUE(netlist.open(QIODevice::ReadOnly));
  const QByteArray spice = netlist.readAll();
  EXPECT_TRUE(spice.contains("D1 a1 out 1N4007"));
  EXPECT_FALSE(spice.contains("1N5822"));
  EXPECT_TRUE(spice.contains("high mains")) << spice.toStdString();  // the run's surges
  netlist.close();

  // Another diode typed after the run: its netlist takes none of the run's figures.
  window->DiodeChoice()->setCurrentText("1N5408");
  form.ExportSpiceItem()->trigger();
  ASSERT_TRUE(netlist.open(QIODevice::ReadOnly));
  const QByteArray other = netlist.readAll();
  EXPECT_TRUE(other.contains("D1 a1 out 1N5408"));
  EXPECT_FALSE(other.contains("high mains")) << other.toStdString();

  window->RunButton()->click();
  ASSERT_TRUE(window->Running());
  TypeInto(design::Field::Edit1, "13");
  Calculate();
  EXPECT_FALSE(window->Running());
  EXPECT_EQ(window->Table()->rowCount(), 0);
  EXPECT_FALSE(window->LastReport().has_value());
  EXPECT_TRUE(messages.empty());
}

TEST_F(SimulationWindowTest, ExportWritesTheNetlistOfTheDesign) {
  QTemporaryDir dir;
  const QString path = dir.filePath("worked_example.cir");
  form.SetFileDialog([&](QWidget*, const QString&, const QString&, const QString&, const QString&,
                         QString& name, bool) {
    name = path;
    return true;
  });
  TypeWorkedExample();
  Calculate();
  form.ExportSpiceItem()->trigger();
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray text = written.readAll();
  EXPECT_TRUE(text.contains("D1 a1 out 1N4007"));
  EXPECT_TRUE(text.contains(".meas tran vmean AVG v(out)"));
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tavro::app
