#include "i18n/catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <mutex>
#include <vector>

namespace tavro::i18n {
namespace {

// The catalogues built from translations/, by language.
constexpr const char* kEnglishCatalogues[] = {":/i18n/interface_en.qm", ":/i18n/core_en.qm",
                                              ":/i18n/output_en.qm"};

struct Catalogues {
  Language InUse = Language::Russian;
  std::vector<std::unique_ptr<QTranslator>> Loaded;
  // The command line's batch looks texts up from several threads. Recursive:
  // installing a catalogue sends LanguageChange at once, and the window
  // looks its texts up again while the switch is still under way.
  std::recursive_mutex Lock;
};

Catalogues& State() {
  static Catalogues state;
  return state;
}

void Unload(Catalogues& state) {
  for (const auto& translator : state.Loaded) {
    if (QCoreApplication::instance() != nullptr) {
      QCoreApplication::removeTranslator(translator.get());
    }
  }
  state.Loaded.clear();
}

void Load(Catalogues& state, const QString& file, const QString& directory = QString()) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, directory)) return;
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::installTranslator(translator.get());
  }
  state.Loaded.push_back(std::move(translator));
}

}  // namespace

void UseLanguage(Language language) {
  Catalogues& state = State();
  const std::scoped_lock hold(state.Lock);
  Unload(state);
  state.InUse = language;
  if (language == Language::English) {
    for (const char* file : kEnglishCatalogues) Load(state, QString::fromLatin1(file));
  } else {
    // The toolkit's own buttons and dialogs (Yes/No, file dialogs) in Russian.
    Load(state, QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
}

Language CurrentLanguage() {
  Catalogues& state = State();
  const std::scoped_lock hold(state.Lock);
  return state.InUse;
}

QString Translate(const char* context, std::string_view source) {
  if (source.empty()) return {};
  const std::string text(source);
  Catalogues& state = State();
  const std::scoped_lock hold(state.Lock);
  for (const auto& translator : state.Loaded) {
    const QString translated = translator->translate(context, text.c_str());
    if (!translated.isNull()) return translated;
  }
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string TranslateUtf8(const char* context, std::string_view source) {
  return Translate(context, source).toStdString();
}

QString WithoutMnemonic(const QString& menuText) {
  QString shown;
  for (qsizetype i = 0; i < menuText.size(); ++i) {
    if (menuText[i] == QLatin1Char('&') && ++i == menuText.size()) break;
    shown += menuText[i];
  }
  return shown;
}

}  // namespace tavro::i18n
