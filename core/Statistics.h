#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vestorine {

// The counts the statistics window shows and statistics.ini keeps. 64 bits, so no player reaches
// the end; should one, the counts stop there without ever contradicting each other.
struct Statistics {
    std::int64_t played = 0;
    std::int64_t wonByChain = 0;  // every card placed when the chain closed
    std::int64_t wonAtReveal = 0; // the last remaining card turned up in its place
    std::int64_t lost = 0;
    std::int64_t abandoned = 0;
    std::int64_t currentStreak = 0; // wins in a row up to now
    std::int64_t bestStreak = 0;

    // Never more than played, so it cannot overflow.
    std::int64_t won() const { return wonByChain + wonAtReveal; }
    bool operator==(const Statistics&) const = default;
};

enum class WinKind { ByChain, AtReveal };

// One thing that happened to the counts. The game reports them; the statistics apply them one at
// a time.
enum class StatisticsEvent { GameStarted, WonByChain, WonAtReveal, Lost, Abandoned, Reset };

// The counts after one event that counts (the tracker below tells which do). Pure, so any number
// of copies can apply their events in turn to the counts on disk. An end beyond the games played
// changes nothing: a reset by another copy may have come between a game's start and its end.
Statistics applyStatisticsEvent(const Statistics& counts, StatisticsEvent event);

// Turns what happened to one game into counts. A game counts once its first card is up and ends
// once: won, lost, or abandoned when a new deal or the end of the program cuts it short. Every
// event answers whether the counts changed, so the caller writes them only then.
class StatisticsTracker {
public:
    explicit StatisticsTracker(const Statistics& counts = {})
        : m_counts(counts) {}

    const Statistics& counts() const { return m_counts; }
    // Replaces the counts read late; the game in progress keeps its state.
    void setCounts(const Statistics& counts) { m_counts = counts; }
    // Zero everywhere. A game in progress began before and no longer counts: its end would
    // otherwise count an end without a game played.
    void reset();

    // Whether the event counts for this copy's game, which follows it; the counts do not change.
    bool accept(StatisticsEvent event);
    // accept(), then the counts follow the event when it counts.
    bool record(StatisticsEvent event);

    bool gameStarted();
    bool won(WinKind kind);
    // Only the first lost verdict of a game counts; the reveals after it repeat it.
    bool lost();
    // A game started and not yet ended; nothing otherwise.
    bool abandoned();

    bool inProgress() const { return m_started && !m_ended; }
    // A game started earlier, by this copy or one before it, goes on here: counted already, its
    // end counts once.
    void resumeStarted() {
        m_started = true;
        m_ended = false;
    }

private:
    bool end();
    static bool isEnd(StatisticsEvent event);

    Statistics m_counts;
    bool m_started = false;
    bool m_ended = false;
};

// statistics.ini: one KEY=value line per count, LF line ends.
std::string formatStatistics(const Statistics& counts);

// The counts of a statistics file, or nothing when it is damaged: a line that is neither blank
// nor KEY=value, a count missing or given twice, a value that is not a plain decimal number of
// 64 bits, or counts that contradict each other. Unknown keys are skipped.
std::optional<Statistics> parseStatistics(std::string_view text);

} // namespace vestorine
