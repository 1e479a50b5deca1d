#include <gtest/gtest.h>

#include <string>

#include "CardBack.h"
#include "Messages.h"
#include "Settings.h"

using namespace vestorine;

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::optional<int> language;
    std::optional<int> deck;
};

const ReadCase readCases[] = {
    {"LaterLanguageWins", "LANGUAGE=1\r\nLANGUAGE=2\r\n", French, {}},
    {"FirstCharacterDecides", "LANGUAGE=1x\r\n", English, {}},
    {"EmptyLanguageIgnored", "LANGUAGE=\r\n", {}, {}},
    {"UnknownLanguageIgnored", "LANGUAGE=x\nLANGUAGE=6\nLANGUAGE=0\n", {}, {}},
    {"ItalianRead", "LANGUAGE=5\r\n", 5, {}},
    {"DeckDecimal", "DECK=13", {}, 13},
    {"DeckDollarHex", "DECK=$D", {}, 13},
    {"DeckZeroXHex", "DECK=0xD\n", {}, 13},
    {"DeckZeroBigXHex", "DECK=0Xd\n", {}, 13},
    {"DeckLeadingBlanks", "DECK= 13", {}, 13},
    {"DeckPlusSign", "DECK=+13", {}, 13},
    {"DeckMinusZero", "DECK=-0", {}, 0},
    {"DeckRandom", "DECK=0", {}, 0},
    {"DeckTrailingBlank", "DECK=13 ", {}, {}},
    {"DeckSeventeen", "DECK=17", {}, {}},
    {"DeckNegative", "DECK=-1", {}, {}},
    {"DeckEmpty", "DECK=", {}, {}},
    {"DeckTwoSigns", "DECK=+-3", {}, {}},
    {"DeckBarePrefix", "DECK=0x\nDECK=$", {}, {}},
    {"DeckOverflow", "DECK=99999999999999999999", {}, {}},
    {"DeckDecimalWithHexDigit", "DECK=1A", {}, {}},
    {"KeysKeepTheirCase", "deck=3\nlanguage=1", {}, {}},
    {"EqualsFirstSkipped", "=5\nDECK=4", {}, 4},
    {"NoEqualsSkipped", "DECK 5\nLANGUAGE 1", {}, {}},
    {"KeyIsUpToTheFirstEquals", "DECK==5\nLANGUAGE==1", {}, {}},
    {"CrOnly", "LANGUAGE=1\rDECK=7\r", English, 7},
    {"LfOnly", "LANGUAGE=1\nDECK=7\n", English, 7},
    {"CrLf", "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=7\r\n", English, 7},
    {"InvalidDeckKeepsEarlierOne", "DECK=5\nDECK=17\nDECK=x", {}, 5},
    {"LaterDeckOverrides", "DECK=5\r\nDECK=14", {}, 14},
    {"BinaryNoise", std::string("\0\xff=\x01\nDECK=2\0", 13), {}, {}},
    {"Empty", "", {}, {}},
};

class SettingsReader : public testing::TestWithParam<ReadCase> {};

} // namespace

TEST_P(SettingsReader, ReadsKeys) {
    const ReadCase& c = GetParam();
    const SettingsRead read = parseSettings(c.text);
    EXPECT_EQ(read.language, c.language);
    EXPECT_EQ(read.deck, c.deck);
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsReader, testing::ValuesIn(readCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsLines, FinalLineEndAddsNoLine) {
    EXPECT_EQ(splitLines("a\r\nb\r\n").size(), 2u);
    EXPECT_EQ(splitLines("a\n\nb").size(), 3u);
    EXPECT_EQ(splitLines("a\r\rb\n\r").size(), 4u);
    EXPECT_TRUE(splitLines("").empty());
}

TEST(SettingsWrite, ExactBytes) {
    CardBackChoice picture;
    picture.choosePicture(7);
    EXPECT_EQ(formatSettings(English, picture), "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=7\r\n");

    CardBackChoice crosshatch;
    crosshatch.chooseCrosshatch(4);
    EXPECT_EQ(formatSettings(French, crosshatch), "[VESTORINE V1.1]\r\nLANGUAGE=2\r\nDECK=16\r\n");
    // A code the game does not know is written as French.
    EXPECT_EQ(formatSettings(0, crosshatch), "[VESTORINE V1.1]\r\nLANGUAGE=2\r\nDECK=16\r\n");
    EXPECT_EQ(formatSettings(3, crosshatch), "[VESTORINE V1.1]\r\nLANGUAGE=3\r\nDECK=16\r\n");
}

TEST(SettingsWrite, RandomChoiceIsSavedAsSuchEvenAfterAPick) {
    CardBackChoice back;
    back.chooseCrosshatch(2);
    back.chooseRandom();
    back.Back = 60; // as a random pick at a deal leaves it
    EXPECT_EQ(formatSettings(English, back), "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=0\r\n");
}

TEST(SettingsWrite, EveryDeckCodeSurvivesAWriteAndARead) {
    for (int code = 0; code <= MaxDeckCode; ++code) {
        CardBackChoice written;
        written.chooseCrosshatch(3);
        applyDeckCode(written, code);
        const SettingsRead read = parseSettings(formatSettings(English, written));
        ASSERT_EQ(read.deck, code);
        CardBackChoice restored;
        applyDeckCode(restored, *read.deck);
        EXPECT_EQ(restored.RandomBack, written.RandomBack) << code;
        if (!written.RandomBack) {
            EXPECT_EQ(restored.Back, written.Back) << code;
            if (code > PictureBackCount) {
                EXPECT_EQ(restored.ColorIndex, written.ColorIndex) << code;
                EXPECT_EQ(restored.BackColor, written.BackColor) << code;
            }
        }
        EXPECT_EQ(read.language, English);
    }
}

TEST(SettingsWrite, CrosshatchCodeRestoresTheColour) {
    CardBackChoice back;
    applyDeckCode(back, 13);
    EXPECT_FALSE(back.RandomBack);
    EXPECT_EQ(back.Back, 53);
    EXPECT_EQ(back.ColorIndex, 1);
    EXPECT_EQ(back.BackColor, 0x000080u);
}
