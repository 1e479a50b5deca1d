// The catalogs as translators leave them: every text translated, with its source's placeholders.
#include "Cards.h"
#include "Languages.h"
#include "common/WindowTexts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace {

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

} // namespace

TEST(Catalogs, TranslateEveryTextAndKeepItsPlaceholders) {
    const QStringList catalogs =
        QDir(QStringLiteral(VESTORINE_CATALOGS_DIR)).entryList({QStringLiteral("*.ts")});
    ASSERT_EQ(catalogs.size(), qsizetype(vestorine::Languages.size() - 1));
    for (const QString& name : catalogs) {
        QFile file(QStringLiteral(VESTORINE_CATALOGS_DIR "/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const bool unfinished = xml.attributes().value("type") == u"unfinished";
                const QString translation = xml.readElementText();
                ++messages;
                EXPECT_FALSE(unfinished || translation.isEmpty())
                    << name.toStdString() << ": " << source.toStdString();
                EXPECT_EQ(placeholders(translation), placeholders(source))
                    << name.toStdString() << ": " << translation.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << name.toStdString() << xml.errorString().toStdString();
        EXPECT_GT(messages, 100) << name.toStdString();
    }
}

TEST(Catalogs, EveryCardHasItsOwnNameInEveryLanguage) {
    for (const vestorine::LanguageInfo& language : vestorine::Languages) {
        std::set<QString> names;
        for (const int card : vestorine::deckInTableOrder())
            names.insert(texts::cardName(card, language.code));
        EXPECT_EQ(names.size(), std::size_t(vestorine::CellCount)) << language.catalog;
        EXPECT_FALSE(names.count(QString())) << language.catalog;
    }
    EXPECT_EQ(texts::cardName(51, vestorine::English), "king of spades");
    EXPECT_EQ(texts::cardName(38, vestorine::French), "dix de cœur");
    for (const int outside : {vestorine::EmptyCell, 4, 52})
        EXPECT_EQ(texts::cardName(outside, vestorine::English), "") << outside;
}
