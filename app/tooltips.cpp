#include "app/tooltips.h"

#include "app/app_texts.h"
#include "app/qt_text.h"

namespace tavro::app {

void InstallTooltips(const FormControls& c) {
  for (const texts::FieldTip& tip : texts::kFieldTips) c.Edit(tip.Field)->setToolTip(Q(tip.Text));
  c.radioButton1->setToolTip(Q(texts::kLimbsTip));
  c.radioButton2->setToolTip(Q(texts::kLimbsTip));
}

}  // namespace tavro::app
