#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "StatisticsPrint.h"

using namespace vestorine;

namespace {

// Events as letters: S first card up, C won by the chain, R won at the reveal, L lost,
// A abandoned (a new deal or the end of the program), Z reset.
Statistics play(std::string_view events) {
    StatisticsTracker tracker;
    for (const char event : events) {
        if (event == 'S')
            tracker.gameStarted();
        else if (event == 'C' || event == 'R')
            tracker.won(event == 'C' ? WinKind::ByChain : WinKind::AtReveal);
        else if (event == 'L')
            tracker.lost();
        else if (event == 'A')
            tracker.abandoned();
        else
            tracker.reset();
    }
    return tracker.counts();
}

struct CountCase {
    const char* events;
    Statistics expected; // played, by chain, at reveal, lost, abandoned, streak, best
};

const CountCase countCases[] = {
    {"", {}},
    {"AAA", {}}, // deals without a card turned up count for nothing
    {"SC", {1, 1, 0, 0, 0, 1, 1}},
    {"SR", {1, 0, 1, 0, 0, 1, 1}},
    {"SLLL", {1, 0, 0, 1, 0, 0, 0}}, // the reveals after a loss repeat it
    {"SA", {1, 0, 0, 0, 1, 0, 0}},
    {"SSA", {1, 0, 0, 0, 1, 0, 0}},          // one game, however often started
    {"SCA", {1, 1, 0, 0, 0, 1, 1}},          // a deal after the verdict abandons nothing
    {"SCSRSL", {3, 1, 1, 1, 0, 0, 2}},       // a loss breaks the streak
    {"SCSRSASC", {4, 2, 1, 0, 1, 1, 2}},     // so does an abandoned game
    {"SCSLSRSRSR", {5, 1, 3, 1, 0, 3, 3}},   // the best streak follows the current one
    {"SLSCSCSCSASC", {6, 4, 0, 1, 1, 1, 3}}, // and keeps it afterwards
    {"SCSZL", {}},                           // a game reset while it runs no longer counts
};

TEST(StatisticsTracker, CountsEachKindOfEndAndTheStreaks) {
    for (const CountCase& c : countCases)
        EXPECT_EQ(play(c.events), c.expected) << c.events;
}

// At the end of 64 bits the counts stop without contradicting each other, and whatever is
// written there is read back.
TEST(StatisticsTracker, CountsAtTheLimitStopAndAreReadBack) {
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    const Statistics starts[] = {
        {max, max, 0, 0, 0, max, max},     // every game won
        {max, 0, 0, max - 1, 0, 0, 0},     // one game left to end
        {max - 1, 0, 0, 0, max - 1, 0, 0}, // one game left to start
        {max, max / 2, max / 2, 1, 0, 3, max / 2},
    };
    for (const Statistics& start : starts) {
        ASSERT_EQ(parseStatistics(formatStatistics(start)), start) << formatStatistics(start);
        for (const char* events : {"SL", "SC", "SRSR", "SASL", "SLSLSL", "SCSCSC"}) {
            StatisticsTracker tracker(start);
            for (const char event : std::string_view(events)) {
                if (event == 'S')
                    tracker.gameStarted();
                else if (event == 'C' || event == 'R')
                    tracker.won(event == 'C' ? WinKind::ByChain : WinKind::AtReveal);
                else
                    event == 'L' ? tracker.lost() : tracker.abandoned();
                EXPECT_EQ(parseStatistics(formatStatistics(tracker.counts())), tracker.counts())
                    << formatStatistics(start) << events;
            }
            EXPECT_GE(tracker.counts().played, start.played);
        }
    }
}

// Another copy's reset may fall between a game's start and its end: that end counts nothing.
TEST(StatisticsEvents, AnEndWithoutAGamePlayedChangesNothing) {
    const Statistics ended{2, 1, 0, 1, 0, 0, 1};
    for (const auto event : {StatisticsEvent::WonByChain, StatisticsEvent::WonAtReveal,
                             StatisticsEvent::Lost, StatisticsEvent::Abandoned}) {
        EXPECT_EQ(applyStatisticsEvent({}, event), Statistics{});
        EXPECT_EQ(applyStatisticsEvent(ended, event), ended);
    }
    EXPECT_EQ(applyStatisticsEvent(ended, StatisticsEvent::Reset), Statistics{});
}

const std::string sound = "PLAYED=4\nWON_BY_CHAIN=1\nWON_AT_REVEAL=1\nLOST=1\nABANDONED=0\n"
                          "CURRENT_STREAK=0\nBEST_STREAK=2\n";

// Replaces the value of one key of the sound file.
std::string with(const std::string& key, const std::string& value) {
    std::string text = sound;
    const std::size_t at = text.find(key + "=") + key.size() + 1;
    text.replace(at, text.find('\n', at) - at, value);
    return text;
}

TEST(StatisticsFile, ReadsBackWhatItWroteAndAcceptsLineEndsBlankLinesAndUnknownKeys) {
    const Statistics counts{40, 3, 2, 30, 5, 1, 2};
    EXPECT_EQ(parseStatistics(formatStatistics(counts)), counts);
    const Statistics expected{4, 1, 1, 1, 0, 0, 2};
    std::string crlf;
    for (const char c : sound)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {sound, crlf, "\n" + sound + "\nLATER=7\n"})
        EXPECT_EQ(parseStatistics(text), expected) << text;
    EXPECT_EQ(parseStatistics(with("PLAYED", "9223372036854775807"))->played,
              std::numeric_limits<std::int64_t>::max());
}

TEST(StatisticsFile, DamagedTextsAreRefused) {
    const std::string damaged[] = {
        "",
        "garbage",
        sound + "PLAYED=4\n",                 // a count given twice
        sound.substr(0, sound.rfind("BEST")), // a count missing
        sound + "no equal sign\n",
        with("LOST", "-1"),
        with("LOST", "+1"),
        with("LOST", " 1"),
        with("LOST", "1 "),
        with("LOST", ""),
        with("LOST", "0x1"),
        with("PLAYED", "9223372036854775808"), // beyond 64 bits
        with("PLAYED", "00000000000000000004"),
        with("PLAYED", "99999999999999999999"),
        with("PLAYED", "2"),         // more games ended than played
        with("CURRENT_STREAK", "3"), // a streak longer than the best
        with("BEST_STREAK", "3"),    // a streak longer than the wins
        std::string("PLAYED=4\0\n", 10) + sound,
    };
    for (const std::string& text : damaged)
        EXPECT_FALSE(parseStatistics(text)) << text;
}

} // namespace
