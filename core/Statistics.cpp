#include "Statistics.h"

#include <array>
#include <initializer_list>
#include <limits>

#include "Settings.h"

namespace vestorine {

namespace {

using Count = std::int64_t;
constexpr Count Max = std::numeric_limits<Count>::max();

// Counts stop at the largest value rather than wrap.
void increment(Count& count) {
    if (count < Max)
        ++count;
}

struct Field {
    std::string_view key;
    Count Statistics::*count;
};

constexpr std::array<Field, 7> Fields{{
    {"PLAYED", &Statistics::played},
    {"WON_BY_CHAIN", &Statistics::wonByChain},
    {"WON_AT_REVEAL", &Statistics::wonAtReveal},
    {"LOST", &Statistics::lost},
    {"ABANDONED", &Statistics::abandoned},
    {"CURRENT_STREAK", &Statistics::currentStreak},
    {"BEST_STREAK", &Statistics::bestStreak},
}};

// Plain decimal digits, at most what 64 bits hold; no sign, no blanks.
std::optional<Count> parseCount(std::string_view text) {
    if (text.empty() || text.size() > 19)
        return std::nullopt;
    Count value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        if (value > (Max - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// The games ended so far, stopping at the games played: more would contradict them.
bool endedWithin(const Statistics& s, Count& ended) {
    ended = 0;
    for (const Count part : {s.wonByChain, s.wonAtReveal, s.lost, s.abandoned}) {
        if (part > s.played - ended)
            return false;
        ended += part;
    }
    return true;
}

// Every game ends at most once and a streak is made of wins.
bool consistent(const Statistics& s) {
    Count ended = 0;
    return endedWithin(s, ended) && s.currentStreak <= s.bestStreak && s.bestStreak <= s.won();
}

} // namespace

Statistics applyStatisticsEvent(const Statistics& counts, StatisticsEvent event) {
    Statistics s = counts;
    Count ended = 0;
    if (event == StatisticsEvent::Reset)
        return {};
    if (event == StatisticsEvent::GameStarted) {
        increment(s.played);
        return s;
    }
    if (!endedWithin(s, ended) || ended >= s.played)
        return s;
    switch (event) {
    case StatisticsEvent::WonByChain:
    case StatisticsEvent::WonAtReveal:
        ++(event == StatisticsEvent::WonByChain ? s.wonByChain : s.wonAtReveal);
        ++s.currentStreak; // a streak is made of wins, which stay within the games played
        if (s.currentStreak > s.bestStreak)
            s.bestStreak = s.currentStreak;
        break;
    case StatisticsEvent::Lost:
    case StatisticsEvent::Abandoned:
        ++(event == StatisticsEvent::Lost ? s.lost : s.abandoned);
        s.currentStreak = 0;
        break;
    default:
        break;
    }
    return s;
}

bool StatisticsTracker::isEnd(StatisticsEvent event) {
    return event != StatisticsEvent::GameStarted && event != StatisticsEvent::Reset;
}

bool StatisticsTracker::accept(StatisticsEvent event) {
    if (event == StatisticsEvent::Reset) {
        m_started = false;
        return true;
    }
    if (event == StatisticsEvent::GameStarted) {
        if (inProgress())
            return false;
        m_started = true;
        m_ended = false;
        return true;
    }
    return isEnd(event) && end();
}

bool StatisticsTracker::record(StatisticsEvent event) {
    if (!accept(event))
        return false;
    m_counts = applyStatisticsEvent(m_counts, event);
    return true;
}

bool StatisticsTracker::gameStarted() {
    return record(StatisticsEvent::GameStarted);
}

void StatisticsTracker::reset() {
    record(StatisticsEvent::Reset);
}

bool StatisticsTracker::end() {
    if (!inProgress())
        return false;
    m_ended = true;
    return true;
}

bool StatisticsTracker::won(WinKind kind) {
    return record(kind == WinKind::ByChain ? StatisticsEvent::WonByChain
                                           : StatisticsEvent::WonAtReveal);
}

bool StatisticsTracker::lost() {
    return record(StatisticsEvent::Lost);
}

bool StatisticsTracker::abandoned() {
    return record(StatisticsEvent::Abandoned);
}

std::string formatStatistics(const Statistics& counts) {
    std::string text;
    for (const Field& field : Fields) {
        text += field.key;
        text += '=';
        text += std::to_string(counts.*field.count);
        text += '\n';
    }
    return text;
}

std::optional<Statistics> parseStatistics(std::string_view text) {
    Statistics counts;
    std::array<bool, Fields.size()> seen{};
    for (const std::string_view line : splitLines(text)) {
        if (line.empty())
            continue;
        const std::size_t equal = line.find('=');
        if (equal == std::string_view::npos || equal == 0)
            return std::nullopt;
        const std::string_view key = line.substr(0, equal);
        for (std::size_t i = 0; i < Fields.size(); ++i) {
            if (Fields[i].key != key)
                continue;
            const auto value = parseCount(line.substr(equal + 1));
            if (!value || seen[i])
                return std::nullopt;
            seen[i] = true;
            counts.*Fields[i].count = *value;
        }
    }
    for (const bool found : seen)
        if (!found)
            return std::nullopt;
    if (!consistent(counts))
        return std::nullopt;
    return counts;
}

} // namespace vestorine
