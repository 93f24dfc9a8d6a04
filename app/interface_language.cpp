#include "app/interface_language.h"

#include <QCoreApplication>
#include <QEvent>

#include "app/app_texts.h"
#include "i18n/catalogue.h"

namespace tavro::app {

QString T(std::string_view appText) {
  return i18n::Translate(texts::kContext, appText);
}

QString T(const char* context, std::string_view text) {
  return i18n::Translate(context, text);
}

LanguageFollower::LanguageFollower(QWidget& window) : QObject(&window) {
  setObjectName(QStringLiteral("LanguageFollower"));
  window.installEventFilter(this);
}

void LanguageFollower::Follow(QObject* owner, std::function<void()> show) {
  show();
  shown_.push_back({owner, std::move(show)});
}

void LanguageFollower::Refresh() {
  std::erase_if(shown_, [](const Shown& s) { return s.Owner.isNull(); });
  // A show may follow more texts; those it adds are already current.
  const std::size_t count = shown_.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (!shown_[i].Owner.isNull()) shown_[i].Show();
  }
}

bool LanguageFollower::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LanguageChange && watched == parent()) Refresh();
  return false;
}

LanguageFollower& FollowerOf(QWidget& window) {
  auto* follower = window.findChild<LanguageFollower*>(QStringLiteral("LanguageFollower"),
                                                       Qt::FindDirectChildrenOnly);
  return follower != nullptr ? *follower : *new LanguageFollower(window);
}

void Follow(QWidget& window, QObject* owner, std::function<void()> show) {
  FollowerOf(window).Follow(owner, std::move(show));
}

void SwitchLanguage(i18n::Language language) {
  i18n::UseLanguage(language);
  // The toolkit posts the change to every window; deliver it now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace tavro::app
