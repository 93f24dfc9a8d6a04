#include "i18n/catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace tavro::i18n {
namespace {

// The catalogues built from translations/, by language.
constexpr const char* kEnglishCatalogues[] = {":/i18n/interface_en.qm", ":/i18n/core_en.qm",
                                             ":/i18n/output_en.qm"};

struct Catalogues {
  Language InUse = Language::Russian;
  std::vector<std::unique_ptr<QTranslator>> Loaded;
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
  Unload(state);
  state.InUse = language;
  if (language == Language::English) {
    for (const char* file : kEnglishCatalogues) Load(state, QString::fromLatin1(file));
  } else {
    // The toolkit's own buttons and dialogs (Yes/No, file dialogs) in Russian.
    Load(state, QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
}

Language CurrentLanguage() { return State().InUse; }

QString Translate(const char* context, std::string_view source) {
  const std::string text(source);
  for (const auto& translator : State().Loaded) {
    const QString translated = translator->translate(context, text.c_str());
    if (!translated.isNull()) return translated;
  }
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string TranslateUtf8(const char* context, std::string_view source) {
  return Translate(context, source).toStdString();
}

}  // namespace tavro::i18n
