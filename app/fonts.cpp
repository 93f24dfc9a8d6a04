#include "app/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

namespace tavro::app {
namespace {

QFont Pick(const QStringList& families, int pixelSize, bool bold) {
  QFont font;
  QString chosen = families.back();
  for (const QString& family : families) {
    if (QFontDatabase::hasFamily(family)) {
      chosen = family;
      break;
    }
  }
  font.setFamily(chosen);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont DefaultFont() {
  return Pick({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, 11, false);
}

QFont GroupCaptionFont() {
  return Pick({"Tahoma", "Liberation Sans", "DejaVu Sans"}, 12, true);
}

QFont LabelFont() { return Pick({"Segoe UI", "Liberation Sans", "DejaVu Sans"}, 13, false); }

QFont FieldFont() {
  constexpr int kPixels = 16;
  QFont font = Pick({"Consolas", "Liberation Mono", "DejaVu Sans Mono"}, kPixels, false);
  if (font.family() != "Consolas") {
    // Consolas advances 0.55 em per character; the stand-ins advance 0.6 em.
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.55 * kPixels - advance);
  }
  return font;
}

QFont FieldFontFitting(const QString& text, int availableWidth) {
  QFont font = FieldFont();
  for (int pixels = font.pixelSize(); pixels > 8; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetricsF(font).horizontalAdvance(text) <= availableWidth) break;
  }
  return font;
}

QFont ButtonFont() {
  return Pick({"Segoe UI Semibold", "Segoe UI", "Liberation Sans", "DejaVu Sans"}, 13, true);
}

}  // namespace tavro::app
