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
    // This reveal decided the game: the last card won it, or the first misplaced one lost it.
    // The reveals after a loss repeat the verdict without deciding anything.
    bool decided = false;
};

// Where a deal stands, as the window needs to know it.
enum class GamePhase {
    NotDealt,          // no deal yet, or one being dealt
    AwaitingFirstCard, // dealt; no card turned up yet
    CarryingTalon,     // the chain runs: the talon waits to be laid home
    Revealing,         // the chain is closed; the remaining cards wait to be turned up
    Over,              // won, or lost: the cards still face down may be turned up all the same
};

// The rules of one game and the status message they select. Rows and columns count from 1.
// The window calls these operations and paints what they report; nothing here paints.
class GameState {
public:
    GameState(CardBackChoice& back, RandomSource& random);

    // Deals a number drawn from the random source.
    void StartDeal();
    // Deals the given number again; a number outside 1..999,999,999 deals nothing (false).
    bool StartDeal(int dealNumber);
    void EndDeal();
    std::optional<int> Pick(int row, int col);
    PlaceResult Place(int row, int col);
    std::optional<RevealResult> Reveal(int row, int col);

    int DealNumber() const { return m_dealNumber; } // 0 before the first deal
    int Tableau(int row, int col) const { return m_tableau[row - 1][col - 1]; }
    // The card lying face up in the cell, EmptyCell when it is empty or face down.
    int FaceUp(int row, int col) const { return m_faceUp[row - 1][col - 1]; }
    int RowSuit(int row) const { return m_rowSuit[row - 1]; }
    int CurrentCard() const { return m_currentCard; }
    int FirstRow() const { return m_firstRow; }
    int FirstCol() const { return m_firstCol; }
    bool Dealt() const { return m_dealt; }
    bool Picked() const { return m_picked; }
    bool Revealing() const { return m_revealing; }
    bool GameLost() const { return m_gameLost; }
    GamePhase phase() const;
    // The row the suit (1..4) owns, 0 while it owns none.
    int rowOfSuit(int suit) const;
    int MessageIndex() const { return m_messageIndex; }
    int Language() const { return m_language; }

    // The window sets the first invitation itself; the language switch sets the language.
    void setMessageIndex(int index) { m_messageIndex = index; }
    void setLanguage(int language) { m_language = language; }

    // The game as it stands, and the same game put back, back included, from such a record.
    GameRecord snapshot() const;
    void restore(const GameRecord& record);

    // The text the status line shows now.

private:
    // Whether card may lie in (row, col): its rank's column, in a row its suit owns or may claim.
    bool fitsHome(int card, int row, int col) const;
    bool allEmpty() const;
    static std::array<std::array<int, ColumnCount>, RowCount> emptyTable();

    CardBackChoice& m_back;
    RandomSource& m_random;

    std::array<std::array<int, ColumnCount>, RowCount> m_tableau{};
    std::array<std::array<int, ColumnCount>, RowCount> m_faceUp = emptyTable();
    std::array<int, RowCount> m_rowSuit{};
    int m_dealNumber = 0;
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
