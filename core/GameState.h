#pragma once

#include <array>
#include <optional>

#include "Cards.h"
#include "GameRecord.h"
#include "Messages.h"

namespace vestorine {

struct CardBackChoice;
class RandomSource;

enum class PlaceOutcome { Rejected, Advanced, ChainClosed };

struct PlaceResult {
    PlaceOutcome outcome = PlaceOutcome::Rejected;
    int laidCard = EmptyCell; // the talon card now lying face up in the cell
    int newTalon = EmptyCell; // Advanced: the card taken up from the cell
    bool AllPlaced = false;   // ChainClosed: every card is at home
};

enum class RevealVerdict { Continue, Lost, Won };

struct RevealResult {
    int card = EmptyCell;
    RevealVerdict verdict = RevealVerdict::Continue;
};

// The rules of one game and the status message they select. Rows and columns count from 1.
// The window calls these operations and paints what they report; nothing here paints.
class GameState {
public:
    GameState(CardBackChoice& back, RandomSource& random);

    void StartDeal();
    void EndDeal();
    std::optional<int> Pick(int row, int col);
    PlaceResult Place(int row, int col);
    std::optional<RevealResult> Reveal(int row, int col);

    int Tableau(int row, int col) const { return m_tableau[row - 1][col - 1]; }
    int RowSuit(int row) const { return m_rowSuit[row - 1]; }
    int CurrentCard() const { return m_currentCard; }
    int FirstRow() const { return m_firstRow; }
    int FirstCol() const { return m_firstCol; }
    bool Dealt() const { return m_dealt; }
    bool Picked() const { return m_picked; }
    bool Revealing() const { return m_revealing; }
    bool GameLost() const { return m_gameLost; }
    int MessageIndex() const { return m_messageIndex; }
    int Language() const { return m_language; }

    // The window sets the first invitation itself; the language switch sets the language.
    void setMessageIndex(int index) { m_messageIndex = index; }
    void setLanguage(int language) { m_language = language; }

    // The game as it stands, and the same game put back, back included, from such a record.
    GameRecord snapshot() const;
    void restore(const GameRecord& record);

    // The text the status line shows now.
    std::string_view statusText() const { return message(m_messageIndex, m_language); }

private:
    // Whether card may lie in (row, col): its rank's column, in a row its suit owns or may claim.
    bool fitsHome(int card, int row, int col) const;
    bool allEmpty() const;
    void shuffleDeck();

    CardBackChoice& m_back;
    RandomSource& m_random;

    std::array<std::array<int, ColumnCount>, RowCount> m_tableau{};
    std::array<int, RowCount> m_rowSuit{};
    int m_currentCard = 0;
    int m_firstRow = 0;
    int m_firstCol = 0;
    bool m_dealt = false;
    bool m_picked = false;
    bool m_revealing = false;
    bool m_gameLost = false;
    int m_messageIndex = MsgBlank;
    int m_language = French;
};

} // namespace vestorine
