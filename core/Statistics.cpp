#include "Statistics.h"

#include <array>
#include <limits>

#include "Settings.h"

namespace vestorine {

namespace {

// Counts stop at the largest int rather than wrap.
void increment(int& count) {
    if (count < std::numeric_limits<int>::max())
        ++count;
}

struct Field {
    std::string_view key;
    int Statistics::*count;
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

// Plain decimal digits, at most what an int holds; no sign, no blanks.
std::optional<int> parseCount(std::string_view text) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

// Every game ends at most once and a streak is made of wins.
bool consistent(const Statistics& s) {
    const long long ended = 0LL + s.wonByChain + s.wonAtReveal + s.lost + s.abandoned;
    return ended <= s.played && s.currentStreak <= s.bestStreak && s.bestStreak <= 0LL + s.won();
}

} // namespace

bool StatisticsTracker::gameStarted() {
    if (inProgress())
        return false;
    m_started = true;
    m_ended = false;
    increment(m_counts.played);
    return true;
}

void StatisticsTracker::reset() {
    m_counts = {};
    m_started = false;
}

bool StatisticsTracker::end() {
    if (!inProgress())
        return false;
    m_ended = true;
    return true;
}

bool StatisticsTracker::won(WinKind kind) {
    if (!end())
        return false;
    increment(kind == WinKind::ByChain ? m_counts.wonByChain : m_counts.wonAtReveal);
    increment(m_counts.currentStreak);
    if (m_counts.currentStreak > m_counts.bestStreak)
        m_counts.bestStreak = m_counts.currentStreak;
    return true;
}

bool StatisticsTracker::lost() {
    if (!end())
        return false;
    increment(m_counts.lost);
    m_counts.currentStreak = 0;
    return true;
}

bool StatisticsTracker::abandoned() {
    if (!end())
        return false;
    increment(m_counts.abandoned);
    m_counts.currentStreak = 0;
    return true;
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
