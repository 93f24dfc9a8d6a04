// The translation catalogues: the program's texts are Russian in the source,
// marked for Qt's translation system (tr() in the window, TAVRO_TRANSLATABLE
// in the text headers of the libraries below it); the English catalogues
// made from translations/*.ts are built into the program. One language is in
// use per process; the window changes it at run time, the command-line tool
// at start (--lang).
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace tavro::i18n {

// Loads the language's catalogues (English: the program's; Russian: the
// toolkit's own dialogs, the program's texts being Russian already) and, when
// a QCoreApplication exists, installs them there, so tr() follows and every
// widget receives QEvent::LanguageChange.
void UseLanguage(Language language);
Language CurrentLanguage();

// The text in the language in use; the source itself where the catalogue has
// no translation. `source` is the marked text exactly as written where it is
// marked (a NUL-terminated literal), `context` the context it is marked with.
// Safe from several threads; TranslateUtf8 serves as a design::TextLookup.
QString Translate(const char* context, std::string_view source);
std::string TranslateUtf8(const char* context, std::string_view source);

// A menu item's text without the "&" that marks its shortcut letter ("&&"
// stands for "&" itself), for a title or a document.
QString WithoutMnemonic(const QString& menuText);

}  // namespace tavro::i18n
