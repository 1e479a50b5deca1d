#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "CardBack.h"
#include "GameState.h"
#include "ScriptedRandom.h"

using namespace vestorine;

namespace {

// A game and its copy put back from the written record after every action: both answer every
// later action alike, to the end of the game.
TEST(GameRecord, EveryStateOfRandomGamesIsPutBackExactly) {
    std::mt19937 draw(16);
    for (int round = 0; round < 200; ++round) {
        CardBackChoice back, otherBack;
        back.choosePicture(3);
        ScriptedRandom random, otherRandom;
        GameState game{back, random}, copy{otherBack, otherRandom};
        auto layout = deckInTableOrder();
        std::shuffle(layout.begin(), layout.end(), draw);
        random.scriptDeal(layout);
        game.StartDeal();
        const auto check = [&](const char* after) {
            const GameRecord record = game.snapshot();
            const auto read = parseGameRecord(formatGameRecord(record));
            ASSERT_TRUE(read.has_value()) << after << "\n" << formatGameRecord(record);
            ASSERT_EQ(*read, record) << after;
            copy.restore(*read);
            ASSERT_EQ(copy.snapshot(), record) << after;
            EXPECT_EQ(otherBack.Back, back.Back);
        };
        game.EndDeal();
        check("the deal");
        const int row = int(draw() % RowCount) + 1, col = int(draw() % ColumnCount) + 1;
        game.Pick(row, col);
        check("the first card");
        for (int step = 0; step < 400 && !game.GameLost() && game.MessageIndex() != MsgWon;
             ++step) {
            const int r = int(draw() % RowCount) + 1, c = int(draw() % ColumnCount) + 1;
            const bool place = !game.Revealing();
            const bool done = place ? game.Place(r, c).outcome != PlaceOutcome::Rejected
                                    : game.Reveal(r, c).has_value();
            const bool copyDone = place ? copy.Place(r, c).outcome != PlaceOutcome::Rejected
                                        : copy.Reveal(r, c).has_value();
            ASSERT_EQ(done, copyDone);
            ASSERT_EQ(copy.snapshot(), game.snapshot());
            if (done)
                check(place ? "a drop" : "a reveal");
        }
    }
}

TEST(GameRecord, DamagedRecordsAreRefused) {
    CardBackChoice back;
    ScriptedRandom random;
    GameState game{back, random};
    random.scriptDeal(deckInTableOrder());
    game.StartDeal();
    game.EndDeal();
    game.Pick(1, 2);
    const std::string sound = formatGameRecord(game.snapshot());
    ASSERT_TRUE(parseGameRecord(sound));
    const auto with = [&sound](const std::string& from, const std::string& to) {
        std::string text = sound;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? std::string() : text.replace(at, from.size(), to);
    };
    const auto withDeal = [&sound](const std::string& number) {
        const std::size_t at = sound.find("DEAL=");
        return sound.substr(0, at) + "DEAL=" + number + sound.substr(sound.find('\n', at));
    };
    EXPECT_TRUE(parseGameRecord(withDeal("999999999")));
    const std::string damaged[] = {
        "",
        sound.substr(0, sound.size() / 2),
        with("GAME 2", "GAME 1"),
        withDeal("-1"),
        withDeal("1000000000"),
        withDeal("0"),                    // dealt without a number
        with("FACEUP1=-1", "FACEUP1=48"), // face up where its card still lies face down
        with("FACEUP2=-1", "FACEUP2=99"),
        sound + "TALON=1\n",
        sound + "LATER=1\n",
        with("ROW1=", "ROW1=-1,"),
        with("ROW2=", "ROW2=x"),
        with("ROWSUIT=0", "ROWSUIT=5"),
        with("PHASE=1", "PHASE=2"),
        with("PHASE=1,1", "PHASE=0,1"), // picked before the deal
        with("MESSAGE=3", "MESSAGE=7"),
        with("BACK=", "BACK=1"),
        with("TALON=48", "TALON=47"),  // a card that lies elsewhere on the table as well
        with("ROW1=0,48", "ROW1=0,0"), // a card twice
    };
    for (const std::string& text : damaged)
        EXPECT_FALSE(parseGameRecord(text)) << text;
}

} // namespace
