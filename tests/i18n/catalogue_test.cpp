// The English catalogues as shipped: every entry translated, and every
// translation carrying the same placeholders and tags as its source, so a
// filled-in text never loses a value or breaks its markup.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Entry {
  QString Context;
  QString Source;
  QStringList Translations;  // one, or the plural forms
  bool Finished = true;
};

std::vector<Entry> ReadCatalogue(const fs::path& path, QString& error) {
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return {};
  }
  std::vector<Entry> entries;
  QString context;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      Entry e{context, {}, {}, true};
      while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
          e.Source = xml.readElementText();
        } else if (xml.name() == u"translation") {
          const auto type = xml.attributes().value(QStringLiteral("type"));
          if (type == u"vanished" || type == u"obsolete") {
            xml.skipCurrentElement();
            continue;
          }
          e.Finished = type != u"unfinished";
          QStringList forms;
          QString text;
          while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters()) text += xml.text();
            if (xml.isStartElement() && xml.name() == u"numerusform") {
              forms << xml.readElementText();
            }
            if (xml.isEndElement() && xml.name() == u"translation") break;
          }
          e.Translations = forms.isEmpty() ? QStringList{text} : forms;
        } else {
          xml.skipCurrentElement();
        }
      }
      entries.push_back(e);
    }
  }
  if (xml.hasError()) error = xml.errorString();
  return entries;
}

// What a translation must keep: %1, %L2, %n …, and the markup's tags.
std::string Kept(const QString& text, const QRegularExpression& pattern) {
  QStringList found;
  for (auto it = pattern.globalMatch(text); it.hasNext();) found << it.next().captured(0).toLower();
  found.sort();
  return found.join(u' ').toStdString();
}

TEST(Catalogues, EveryEntryIsTranslatedAndKeepsItsPlaceholdersAndTags) {
  const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
  const QRegularExpression tag(QStringLiteral("</?[A-Za-z][A-Za-z0-9]*\\b[^<>]*>"));
  int catalogues = 0;
  int messages = 0;
  for (const auto& file : fs::directory_iterator(TAVRO_TRANSLATIONS_DIR)) {
    const std::string name = file.path().filename().string();
    if (!name.ends_with("_en.ts")) continue;
    ++catalogues;
    QString error;
    const std::vector<Entry> entries = ReadCatalogue(file.path(), error);
    EXPECT_TRUE(error.isEmpty()) << name << ": " << error.toStdString();
    for (const Entry& e : entries) {
      ++messages;
      const std::string where =
          name + " [" + e.Context.toStdString() + "] «" + e.Source.toStdString() + "»";
      EXPECT_TRUE(e.Finished) << where;
      ASSERT_FALSE(e.Translations.isEmpty()) << where;
      for (const QString& t : e.Translations) {
        EXPECT_FALSE(t.trimmed().isEmpty()) << where;
        EXPECT_EQ(Kept(t, placeholder), Kept(e.Source, placeholder))
            << where << " → " << t.toStdString();
        EXPECT_EQ(Kept(t, tag), Kept(e.Source, tag)) << where << " → " << t.toStdString();
      }
    }
  }
  EXPECT_GE(catalogues, 3);
  EXPECT_GT(messages, 0);
}

}  // namespace
