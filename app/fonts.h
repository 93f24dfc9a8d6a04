// The window's fonts. The named Windows fonts are used where installed;
// otherwise a metric-compatible font with Cyrillic stands in, and the fixed-
// pitch fields keep Consolas' narrower advance so an 11-character result
// fits its 105-pixel field.
#pragma once

#include <QFont>

namespace tavro::app {

QFont DefaultFont();      // "MS Sans Serif"
QFont GroupCaptionFont(); // "Tahoma", bold, 12 px
QFont LabelFont();        // "Segoe UI", 13 px
QFont FieldFont();        // "Consolas", 16 px: edit fields and radio buttons
QFont ButtonFont();       // "Segoe UI Semibold", bold, 13 px

// The field font, made smaller where a text would not fit a field's width:
// a long result (a minus sign, a three-digit exponent) is shown whole rather
// than cut off at its last digits.
QFont FieldFontFitting(const QString& text, int availableWidth);

}  // namespace tavro::app
