#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "CardBack.h"
#include "Cards.h"

namespace vestorine {

// A game in progress as it stands between two actions: enough to put the table back exactly.
struct GameRecord {
    std::array<std::array<int, ColumnCount>, RowCount> tableau{};    // EmptyCell where emptied
    std::array<std::array<int, ColumnCount>, RowCount> faceUp = [] { // EmptyCell where none lies
        std::array<std::array<int, ColumnCount>, RowCount> none{};
        for (auto& row : none)
            row.fill(EmptyCell);
        return none;
    }();
    std::array<int, RowCount> rowSuit{}; // 0: not yet claimed
    int currentCard = 0;                 // the talon
    int firstRow = 0;
    int firstCol = 0;
    bool dealt = false;
    bool picked = false;
    bool revealing = false;
    bool gameLost = false;
    int messageIndex = 0;
    int back = CrosshatchBack; // the back the game was dealt with
    ColorValue backColor = 0;

    int dealNumber = 0; // 0 only before the first deal

    bool operator==(const GameRecord&) const = default;
};

// Plain text: a version line, then one KEY=value line each, LF line ends.
std::string formatGameRecord(const GameRecord& record);

// The record, or nothing when the text is damaged: another version, a line missing, given twice
// or unknown, a number out of range, a card that is no card or lies twice.
std::optional<GameRecord> parseGameRecord(std::string_view text);

// Whether a damaged record may have held a game under way (its first card up, no verdict yet):
// false only when its phase line is readable and says otherwise.
bool mayHaveStarted(std::string_view damagedText);

} // namespace vestorine
