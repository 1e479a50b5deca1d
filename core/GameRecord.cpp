#include "GameRecord.h"

#include <charconv>
#include <map>
#include <set>
#include <vector>

#include "DealShuffle.h"
#include "Messages.h"
#include "Settings.h"

namespace vestorine {

namespace {

constexpr std::string_view Header = "VESTORINE GAME 2";

std::string joined(const int* values, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i)
            text += ',';
        text += std::to_string(values[i]);
    }
    return text;
}

// Comma-separated decimal numbers, exactly count of them.
std::optional<std::vector<long long>> numbers(std::string_view text, std::size_t count) {
    std::vector<long long> values;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (values.size() < count) {
        long long value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc() || next == at)
            return std::nullopt;
        values.push_back(value);
        at = next;
        if (values.size() < count && (at == end || *at++ != ','))
            return std::nullopt;
    }
    if (at != end)
        return std::nullopt;
    return values;
}

bool isCard(long long card) {
    for (const auto& row : CardTable)
        for (const int c : row)
            if (c == card)
                return true;
    return false;
}

// The card still lying in the first cell: it stays there until the chain closes.
int firstCardOf(const GameRecord& r) {
    return isCell(r.firstRow, r.firstCol)
               ? r.tableau[std::size_t(r.firstRow - 1)][std::size_t(r.firstCol - 1)]
               : EmptyCell;
}

// A face-up card lies only where the table's card has left, and lies once; only the first card
// may also still lie face down in its own cell, until the chain closes.
bool faceUpSound(const GameRecord& r, const std::set<int>& faceDown, std::set<int>& faceUp) {
    const int firstCard = r.picked && !r.revealing ? firstCardOf(r) : EmptyCell;
    for (std::size_t row = 0; row < RowCount; ++row)
        for (std::size_t col = 0; col < ColumnCount; ++col) {
            const int card = r.faceUp[row][col];
            if (card == EmptyCell)
                continue;
            if (!isCard(card) || r.tableau[row][col] != EmptyCell ||
                (faceDown.count(card) && card != firstCard) || !faceUp.insert(card).second)
                return false;
        }
    return true;
}

// The cards on the table and the talon are cards, none twice; the rest lies in range.
bool sound(const GameRecord& r) {
    std::set<int> seen;
    for (const auto& row : r.tableau)
        for (const int card : row)
            if (card != EmptyCell && (!isCard(card) || !seen.insert(card).second))
                return false;
    std::set<int> faceUp;
    if (!faceUpSound(r, seen, faceUp))
        return false;
    for (const int suit : r.rowSuit)
        if (suit < 0 || suit > RowCount)
            return false;
    if (r.picked && (!r.dealt || !isCell(r.firstRow, r.firstCol) || !isCard(r.currentCard)))
        return false;
    if ((r.revealing && !r.picked) || (r.gameLost && !r.revealing))
        return false;
    // Any talon card but the first left the table, and lies face up nowhere yet.
    if (r.picked && !r.revealing &&
        ((seen.count(r.currentCard) && r.currentCard != firstCardOf(r)) ||
         faceUp.count(r.currentCard)))
        return false;
    if (r.dealt ? !isDealNumber(r.dealNumber) : (r.dealNumber != 0 && !isDealNumber(r.dealNumber)))
        return false;
    const bool backKnown = r.back >= CrosshatchBack && r.back < FirstPictureBack + PictureBackCount;
    return r.messageIndex >= 0 && r.messageIndex < MessageCount && backKnown &&
           r.backColor <= 0xFFFFFFu;
}

} // namespace

std::string formatGameRecord(const GameRecord& r) {
    std::string text = std::string(Header) + "\n";
    for (int row = 0; row < RowCount; ++row)
        text += "ROW" + std::to_string(row + 1) + "=" +
                joined(r.tableau[std::size_t(row)].data(), ColumnCount) + "\n";
    for (int row = 0; row < RowCount; ++row)
        text += "FACEUP" + std::to_string(row + 1) + "=" +
                joined(r.faceUp[std::size_t(row)].data(), ColumnCount) + "\n";
    text += "ROWSUIT=" + joined(r.rowSuit.data(), RowCount) + "\n";
    text += "TALON=" + std::to_string(r.currentCard) + "\n";
    text += "FIRST=" + std::to_string(r.firstRow) + "," + std::to_string(r.firstCol) + "\n";
    const int phase[] = {r.dealt, r.picked, r.revealing, r.gameLost};
    text += "PHASE=" + joined(phase, 4) + "\n";
    text += "MESSAGE=" + std::to_string(r.messageIndex) + "\n";
    text += "BACK=" + std::to_string(r.back) + "," + std::to_string(r.backColor) + "\n";
    text += "DEAL=" + std::to_string(r.dealNumber) + "\n";
    return text;
}

namespace {

using Values = std::map<std::string_view, std::vector<long long>>;

// Every key once, with its count of numbers; nothing else.
std::optional<Values> readValues(const std::vector<std::string_view>& lines) {
    static const std::map<std::string_view, std::size_t> counts = {{"ROW1", ColumnCount},
                                                                   {"ROW2", ColumnCount},
                                                                   {"ROW3", ColumnCount},
                                                                   {"ROW4", ColumnCount},
                                                                   {"FACEUP1", ColumnCount},
                                                                   {"FACEUP2", ColumnCount},
                                                                   {"FACEUP3", ColumnCount},
                                                                   {"FACEUP4", ColumnCount},
                                                                   {"ROWSUIT", RowCount},
                                                                   {"TALON", 1},
                                                                   {"FIRST", 2},
                                                                   {"PHASE", 4},
                                                                   {"MESSAGE", 1},
                                                                   {"BACK", 2},
                                                                   {"DEAL", 1}};
    Values values;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const std::size_t equal = lines[i].find('=');
        const std::string_view key = lines[i].substr(0, equal);
        const auto wanted = counts.find(key);
        if (equal == std::string_view::npos || wanted == counts.end() || values.count(key))
            return std::nullopt;
        auto parsed = numbers(lines[i].substr(equal + 1), wanted->second);
        if (!parsed)
            return std::nullopt;
        values[key] = std::move(*parsed);
    }
    if (values.size() != counts.size())
        return std::nullopt;
    // The deal number is checked with the rest of the game.
    for (const auto& [key, list] : values)
        for (const long long v : list)
            if (key != "DEAL" && (v < -1 || v > 0xFFFFFF))
                return std::nullopt;
    return values;
}

std::optional<GameRecord> recordOf(Values& values) {
    GameRecord r;
    constexpr std::array<std::string_view, RowCount> rowKeys{"ROW1", "ROW2", "ROW3", "ROW4"};
    constexpr std::array<std::string_view, RowCount> faceKeys{"FACEUP1", "FACEUP2", "FACEUP3",
                                                              "FACEUP4"};
    for (std::size_t row = 0; row < RowCount; ++row) {
        for (std::size_t col = 0; col < ColumnCount; ++col) {
            r.tableau[row][col] = int(values[rowKeys[row]][col]);
            r.faceUp[row][col] = int(values[faceKeys[row]][col]);
        }
    }
    for (int i = 0; i < RowCount; ++i)
        r.rowSuit[std::size_t(i)] = int(values["ROWSUIT"][std::size_t(i)]);
    r.currentCard = int(values["TALON"][0]);
    r.firstRow = int(values["FIRST"][0]);
    r.firstCol = int(values["FIRST"][1]);
    const auto& phase = values["PHASE"];
    for (const long long flag : phase)
        if (flag != 0 && flag != 1)
            return std::nullopt;
    r.dealt = phase[0];
    r.picked = phase[1];
    r.revealing = phase[2];
    r.gameLost = phase[3];
    r.messageIndex = int(values["MESSAGE"][0]);
    r.back = int(values["BACK"][0]);
    r.backColor = ColorValue(values["BACK"][1]);
    const long long deal = values["DEAL"][0];
    if (deal < 0 || deal > LastDealNumber)
        return std::nullopt;
    r.dealNumber = int(deal);
    return r;
}

} // namespace

std::optional<GameRecord> parseGameRecord(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty() || lines[0] != Header)
        return std::nullopt;
    auto values = readValues(lines);
    if (!values)
        return std::nullopt;
    const auto record = recordOf(*values);
    if (!record || !sound(*record))
        return std::nullopt;
    return record;
}

bool mayHaveStarted(std::string_view damagedText) {
    for (const std::string_view line : splitLines(damagedText)) {
        if (!line.starts_with("PHASE="))
            continue;
        const auto phase = numbers(line.substr(6), 4);
        if (!phase)
            break;
        return (*phase)[1] != 0 && (*phase)[3] == 0; // picked, and not yet lost
    }
    return true;
}

} // namespace vestorine
