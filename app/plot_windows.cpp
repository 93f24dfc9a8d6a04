#include "app/plot_windows.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/messages.h"
#include "app/qt_text.h"
#include "plot/design_plots.h"

namespace tavro::app {

QLocale PlotLocale(char decimalSeparator) {
  const QLocale system = QLocale::system();
  if (system.decimalPoint() == QString(QChar(decimalSeparator))) return system;
  return decimalSeparator == ',' ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
}

namespace {

QString AskFile(QWidget* parent, const QString& filter, const QString& suffix) {
  QFileDialog dialog(parent, T(texts::kSavePlotTitle), ".", filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

std::optional<PngExport> AskPngSize(QWidget* parent, const PngExport& proposal) {
  QDialog dialog(parent);
  dialog.setWindowTitle(T(texts::kPngSizeTitle));
  auto* width = new QSpinBox(&dialog);
  auto* height = new QSpinBox(&dialog);
  for (QSpinBox* box : {width, height}) box->setRange(200, 8000);
  width->setValue(proposal.Size.width());
  height->setValue(proposal.Size.height());
  auto* scale = new QComboBox(&dialog);
  scale->addItem(T(texts::kScaleScreen), 1.0);
  scale->addItem(T(texts::kScalePrint), 2.0);
  scale->setCurrentIndex(proposal.Scale > 1 ? 1 : 0);
  auto* result = new QLabel(&dialog);
  const auto update = [&] {
    const double s = scale->currentData().toDouble();
    result->setText(
        T(texts::kPngResult).arg(qRound(width->value() * s)).arg(qRound(height->value() * s)));
  };
  QObject::connect(width, &QSpinBox::valueChanged, &dialog, update);
  QObject::connect(height, &QSpinBox::valueChanged, &dialog, update);
  QObject::connect(scale, &QComboBox::currentIndexChanged, &dialog, update);
  update();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout(&dialog);
  form->addRow(T(texts::kPngWidth), width);
  form->addRow(T(texts::kPngHeight), height);
  form->addRow(T(texts::kPngScale), scale);
  form->addRow(result);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return PngExport{{width->value(), height->value()}, scale->currentData().toDouble()};
}

}  // namespace

PlotDialogs StandardPlotDialogs() {
  return {AskFile, AskPngSize};
}

PlotButtons::PlotButtons(std::function<PlotView*()> current, QWidget* parent)
    : QWidget(parent), current_(std::move(current)), grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(0, 0, 0, 0);
  grid_->setColumnStretch(1, 1);
  saves_ = new QWidget(this);
  auto* saves = new QHBoxLayout(saves_);
  saves->setContentsMargins(0, 0, 0, 0);
  const auto button = [&](std::string_view text, const char* name, auto action) {
    auto* b = new QPushButton(this);
    Follow(*this, b, [b, text] { b->setText(T(text)); });
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, action);
    return b;
  };
  reset_ = button(texts::kResetView, "ResetView", [this] {
    if (PlotView* plot = current_()) plot->ResetView();
  });
  grid_->addWidget(reset_, 0, 0);
  saves->addWidget(button(texts::kSavePng, "SavePng", [this] { Save(Format::Png); }));
#ifdef TAVRO_SVG_EXPORT
  saves->addWidget(button(texts::kSaveSvg, "SaveSvg", [this] { Save(Format::Svg); }));
#endif
  saves->addWidget(button(texts::kSavePdf, "SavePdf", [this] { Save(Format::Pdf); }));
  Arrange(false);
}

QSize PlotButtons::minimumSizeHint() const {
  return {std::max(reset_->sizeHint().width(), saves_->sizeHint().width()),
          grid_->minimumSize().height()};
}

void PlotButtons::Arrange(bool oneRow) {
  if (oneRow == oneRow_) return;
  oneRow_ = oneRow;
  grid_->removeWidget(saves_);
  if (oneRow) {
    grid_->addWidget(saves_, 0, 2);
  } else {
    grid_->addWidget(saves_, 1, 0, 1, 3, Qt::AlignRight);
  }
  updateGeometry();
}

void PlotButtons::resizeEvent(QResizeEvent* event) {
  Arrange(width() >= reset_->sizeHint().width() + grid_->horizontalSpacing() +
                         saves_->sizeHint().width() + 16);
  QWidget::resizeEvent(event);
}

void PlotButtons::Save(Format format) {
  PlotView* plot = current_();
  if (plot == nullptr) return;
  static constexpr const char* kFilter[] = {"PNG (*.png)", "SVG (*.svg)", "PDF (*.pdf)"};
  static constexpr const char* kSuffix[] = {"png", "svg", "pdf"};
  const int f = static_cast<int>(format);
  std::optional<PngExport> png;
  if (format == Format::Png) {
    png = dialogs_.ChoosePng(window(), {plot->size(), 1.0});
    if (!png) return;
  }
  const QString path = dialogs_.ChooseFile(window(), kFilter[f], kSuffix[f]);
  if (path.isEmpty()) return;
  const bool saved = format == Format::Png   ? plot->ExportPng(path, png->Size, png->Scale)
                     : format == Format::Svg ? plot->ExportSvg(path, plot->size())
                                             : plot->ExportPdf(path, plot->size());
  if (!saved) RunCentred(*BuildErrorBox(window(), T(texts::kPlotNotSaved) + " " + path));
}

PlotWindow::PlotWindow(const char* context, std::string_view title, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), title_(title), plot_(new PlotView(this)) {
  Follow(*this, this, [this] {
    setWindowTitle(T(context_, title_));
    ShowTitle();
  });
  buttons_ = new PlotButtons([this] { return plot_; }, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(plot_, 1);
  layout->addWidget(buttons_);
  banner_ = new DesignBanner(*this, {plot_}, false);
  // Narrow enough for two beside the main window on a 1366×768 screen: its
  // least size is that with the buttons in two rows.
  setMinimumSize(layout->minimumSize());
}

void PlotWindow::SetDesign(const DesignName& name) {
  name_ = name;
  banner_->Show(name, false);
  ShowTitle();
}

void PlotWindow::ShowTitle() {
  if (name_) plot_->SetTitle(T(context_, title_), DesignLine(*name_));
}

LoadCharacteristicWindow::LoadCharacteristicWindow(QWidget* parent)
    : PlotWindow(kDesignContext, design::texts::kLoadGroup, parent) {
  setObjectName("LoadCharacteristicWindow");
  Follow(*this, this, [this] { Draw(); });
}

void LoadCharacteristicWindow::Show(const design::Design& design, int sliderRow,
                                    const DesignName& name) {
  design_ = design;
  separator_ = name.Separator;
  SetDesign(name);
  Plot().SetNumberLocale(PlotLocale(separator_));
  row_ = sliderRow;
  Draw();
  Plot().ResetView();
}

void LoadCharacteristicWindow::Draw() {
  if (!design_) return;
  Plot().Show(plot::LoadCharacteristicPlot(*design_, row_, separator_));
}

void LoadCharacteristicWindow::ShowRow(int sliderRow) {
  if (sliderRow < 0 || sliderRow >= design::kLoadRows) return;
  row_ = sliderRow;
  if (design_) Plot().SetMarkers(plot::LoadMarkers(design_->Load, row_, separator_));
}

DiodeCurrentWindow::DiodeCurrentWindow(QWidget* parent)
    : PlotWindow(texts::kContext, texts::kPulsePlotTitle, parent) {
  setObjectName("DiodeCurrentWindow");
  Follow(*this, this, [this] { Draw(); });
}

void DiodeCurrentWindow::Show(const design::DiodeCurrentWaveform& waveform,
                              const DesignName& name) {
  waveform_ = waveform;
  separator_ = name.Separator;
  SetDesign(name);
  Plot().SetNumberLocale(PlotLocale(separator_));
  Draw();
  Plot().ResetView();
}

void DiodeCurrentWindow::Draw() {
  if (waveform_) Plot().Show(plot::DiodeCurrentPlot(*waveform_, separator_));
}

}  // namespace tavro::app
