// The window's texts in the interface language. Every text is written in
// Russian where it lives (app/app_texts.h, the libraries' text headers) and
// shown through the translation catalogues; a text that is on screen is
// shown again whenever the language changes, so a switch takes effect at
// once without touching what the user typed or the results.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "design/ratings/ratings_texts.h"
#include "design/texts.h"
#include "i18n/language.h"
#include "simulation/texts.h"

namespace tavro::app {

// The contexts the libraries' texts are marked with where they live.
inline constexpr const char* kDesignContext = design::texts::kContext;
inline constexpr const char* kRatingsContext = design::ratings::texts::kContext;
inline constexpr const char* kSimulationContext = simulation::texts::kContext;

// A text of app/app_texts.h in the language in use.
QString T(std::string_view appText);
// A text marked in another context (the calculation's, the ratings', the
// simulation check's).
QString T(const char* context, std::string_view text);

// Runs each `show` now and again after every change of language while its
// owner lives; a window has one, made on first use.
class LanguageFollower : public QObject {
 public:
  explicit LanguageFollower(QWidget& window);
  void Follow(QObject* owner, std::function<void()> show);
  // Shows every text again in the language in use.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Shown {
    QPointer<QObject> Owner;
    std::function<void()> Show;
  };
  std::vector<Shown> shown_;
};

LanguageFollower& FollowerOf(QWidget& window);

// Shorthand: `show` now and on every change of language while `owner` lives,
// followed by `window`'s follower.
void Follow(QWidget& window, QObject* owner, std::function<void()> show);

// Switches the whole program: the catalogues, then every open window's texts
// before this returns.
void SwitchLanguage(i18n::Language language);

}  // namespace tavro::app
