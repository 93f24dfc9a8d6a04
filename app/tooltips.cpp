#include "app/tooltips.h"

#include "app/app_texts.h"
#include "app/interface_language.h"

namespace tavro::app {

void InstallTooltips(QWidget& window, const FormControls& c) {
  Follow(window, c.client, [&c] {
    for (const texts::FieldTip& tip : texts::kFieldTips) c.Edit(tip.Field)->setToolTip(T(tip.Text));
    c.radioButton1->setToolTip(T(texts::kLimbsTip));
    c.radioButton2->setToolTip(T(texts::kLimbsTip));
  });
}

}  // namespace tavro::app
