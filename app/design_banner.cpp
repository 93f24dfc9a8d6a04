#include "app/design_banner.h"

#include <QBoxLayout>
#include <QGraphicsOpacityEffect>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "design/ratings/quantity_format.h"
#include "design/readable_number.h"
#include "i18n/catalogue.h"

namespace tavro::app {

QString DesignLine(const DesignName& d) {
  const auto standard = [&d](long double value) {
    return QString::fromStdString(design::ratings::FormatStandard(value, d.Separator));
  };
  const QString mains =
      T(texts::kDesignMains)
          .arg(standard(d.Mains.Supply.Voltage), standard(d.Mains.Tolerance * 100.0L),
               standard(d.Mains.Supply.Frequency));
  if (d.Analysis) {
    using design::Unit;
    const auto value = [&d](long double v, Unit unit) {
      return QString::fromStdString(
          design::FormatReadable(v, unit, d.Separator, i18n::TranslateUtf8));
    };
    const design::AnalysisInputs& a = *d.Analysis;
    return T(texts::kCheckedTransformerLine)
               .arg(value(a.U2, Unit::Volt), value(a.Rtr, Unit::Ohm), value(a.Ls, Unit::Henry),
                    value(a.Cf * 1e-6L, Unit::Farad), value(a.I0, Unit::Ampere),
                    value(a.Ud, Unit::Volt)) +
           mains;
  }
  const design::InputTexts& in = d.Inputs;
  const auto typed = [](const std::string& text) { return QString::fromStdString(text).trimmed(); };
  return T(texts::kDesignLine)
             .arg(typed(in.U0), typed(in.I0), typed(in.Kp), typed(in.Limbs), typed(in.Bm),
                  typed(in.Ud)) +
         mains;
}

DesignBanner::DesignBanner(QWidget& window, std::vector<QWidget*> figures, bool alwaysShown)
    : QLabel(&window), figures_(std::move(figures)), alwaysShown_(alwaysShown) {
  setObjectName("DesignBanner");
  setWordWrap(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setVisible(false);
  if (auto* layout = qobject_cast<QBoxLayout*>(window.layout())) layout->insertWidget(0, this);
  Follow(window, this, [this] { ShowText(); });
}

void DesignBanner::Show(const DesignName& design, bool stale) {
  design_ = design;
  SetStale(stale);
}

void DesignBanner::SetStale(bool stale) {
  stale_ = stale && design_.has_value();
  for (QWidget* figure : figures_) {
    if (stale_) {
      auto* grey = new QGraphicsOpacityEffect(figure);
      grey->setOpacity(0.4);
      figure->setGraphicsEffect(grey);  // replaces and deletes any earlier one
    } else {
      figure->setGraphicsEffect(nullptr);
    }
  }
  ShowText();
}

void DesignBanner::ShowText() {
  if (!design_) return;
  const QString line = DesignLine(*design_);
  setText(stale_ ? line + "\n" + T(texts::kStaleNote) : line);
  setStyleSheet(stale_ ? "color: #9a4a00" : QString());
  setVisible(alwaysShown_ || stale_);
}

}  // namespace tavro::app
