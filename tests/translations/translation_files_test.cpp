// The translators' files as the program needs them: every text translated, nothing left
// unfinished, obsolete or vanished, and each translation keeping what the program relies
// on: its placeholders, its mnemonic, and the blanks and line breaks at its ends.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <string>

namespace {

// The text of the element the reader is on; lupdate writes a carriage return as
// <byte value="xd"/>.
QString ElementText(QXmlStreamReader& reader) {
  QString text;
  while (!reader.atEnd() &&
         (reader.readNext() != QXmlStreamReader::EndElement || reader.name() == u"byte")) {
    if (reader.isCharacters())
      text += reader.text();
    else if (reader.isStartElement() && reader.name() == u"byte")
      text += QChar(reader.attributes().value("value").mid(1).toUShort(nullptr, 16));
  }
  return text;
}

// What a translation must keep of its source: the placeholders, in any order, the number
// of mnemonics, and the blanks at both ends.
std::string Shape(const QString& text) {
  QStringList placeholders;
  for (const QRegularExpressionMatch& match : QRegularExpression("%\\d+").globalMatch(text))
    placeholders << match.captured();
  placeholders.sort();
  static const QRegularExpression edges("^(\\s*).*?(\\s*)$",
                                        QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch ends = edges.match(text);
  return QStringLiteral("%1 | %2 & | [%3] [%4]")
      .arg(placeholders.join(' '))
      .arg(text.count(u'&') - 2 * text.count(QStringLiteral("&&")))
      .arg(ends.captured(1), ends.captured(2))
      .toStdString();
}

TEST(TranslationFiles, EveryTextIsTranslatedKeepingWhatTheProgramNeeds) {
  const QDir folder(QStringLiteral(WENDREL_TRANSLATIONS_DIR));
  const QStringList files = folder.entryList({"wendrel_*.ts"}, QDir::Files, QDir::Name);
  ASSERT_EQ(files,
            QStringList({"wendrel_de.ts", "wendrel_es.ts", "wendrel_fr.ts", "wendrel_ru.ts"}));
  for (const QString& name : files) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    QString source;
    int messages = 0;
    while (!reader.atEnd()) {
      if (reader.readNext() != QXmlStreamReader::StartElement)
        continue;
      if (reader.name() == u"source") {
        source = ElementText(reader);
      } else if (reader.name() == u"translation") {
        SCOPED_TRACE((name + ": " + source).toStdString());
        ++messages;
        // Type is "unfinished", "obsolete" or "vanished" for an entry not done.
        EXPECT_EQ(reader.attributes().value("type").toString().toStdString(), "");
        const QString translation = ElementText(reader);
        EXPECT_FALSE(translation.isEmpty());
        EXPECT_EQ(Shape(translation), Shape(source));
      }
    }
    EXPECT_FALSE(reader.hasError()) << name.toStdString();
    EXPECT_GT(messages, 0) << name.toStdString();
  }
}

}  // namespace
