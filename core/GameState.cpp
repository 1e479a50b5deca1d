#include "GameState.h"

#include "CardBack.h"
#include "RandomSource.h"

namespace vestorine {

GameState::GameState(CardBackChoice& back, RandomSource& random)
    : m_back(back)
    , m_random(random) {}

void GameState::StartDeal() {
    StartDeal(m_random.drawDealNumber());
}

bool GameState::StartDeal(int dealNumber) {
    if (!isDealNumber(dealNumber))
        return false;
    m_dealt = m_picked = m_revealing = m_gameLost = false;
    m_messageIndex = MsgBlank;
    m_rowSuit.fill(0);
    m_faceUp = emptyTable();
    m_dealNumber = dealNumber;
    const auto deck = m_random.deckForDeal(dealNumber);
    for (int i = 0; i < CellCount; ++i)
        m_tableau[i / ColumnCount][i % ColumnCount] = deck[i];
    if (m_back.RandomBack)
        m_back.randomPick(m_random);
    return true;
}

void GameState::EndDeal() {
    m_messageIndex = MsgInvitePick;
    m_dealt = true;
}

std::optional<int> GameState::Pick(int row, int col) {
    if (!m_dealt || m_picked || !isCell(row, col))
        return std::nullopt;
    m_currentCard = Tableau(row, col);
    m_firstRow = row;
    m_firstCol = col;
    m_picked = true;
    m_messageIndex = MsgInviteCarry;
    return m_currentCard;
}

bool GameState::fitsHome(int card, int row, int col) const {
    if (!belongsToColumn(card, col))
        return false;
    const int suit = suitNumber(card);
    if (RowSuit(row) != 0 && RowSuit(row) != suit)
        return false;
    for (int k = 1; k <= RowCount; ++k)
        if (k != row && RowSuit(k) == suit)
            return false;
    return true;
}

bool GameState::allEmpty() const {
    for (const auto& row : m_tableau)
        for (int card : row)
            if (card != EmptyCell)
                return false;
    return true;
}

PlaceResult GameState::Place(int row, int col) {
    if (!m_picked || m_revealing || !isCell(row, col) || !fitsHome(m_currentCard, row, col))
        return {};

    m_rowSuit[row - 1] = suitNumber(m_currentCard);
    PlaceResult result;
    result.laidCard = m_currentCard;
    int& cell = m_tableau[row - 1][col - 1];
    m_faceUp[row - 1][col - 1] = m_currentCard;
    if (row == m_firstRow && col == m_firstCol) {
        cell = EmptyCell;
        m_revealing = true;
        result.outcome = PlaceOutcome::ChainClosed;
        result.AllPlaced = allEmpty();
        m_messageIndex = result.AllPlaced ? MsgWon : MsgInviteReveal;
        return result;
    }
    m_currentCard = cell;
    cell = EmptyCell;
    result.outcome = PlaceOutcome::Advanced;
    result.newTalon = m_currentCard;
    return result;
}

std::optional<RevealResult> GameState::Reveal(int row, int col) {
    if (!m_dealt || !m_revealing || !isCell(row, col))
        return std::nullopt;
    int& cell = m_tableau[row - 1][col - 1];
    if (cell == EmptyCell)
        return std::nullopt;

    RevealResult result{cell, RevealVerdict::Continue};
    m_faceUp[row - 1][col - 1] = cell;
    const bool lostBefore = m_gameLost;
    if (!fitsHome(cell, row, col))
        m_gameLost = true;
    cell = EmptyCell;
    if (m_gameLost) {
        m_messageIndex = MsgLost;
        result.verdict = RevealVerdict::Lost;
        result.decided = !lostBefore;
    } else if (allEmpty()) {
        m_messageIndex = MsgWon;
        result.verdict = RevealVerdict::Won;
        result.decided = true;
    }
    return result;
}

GamePhase GameState::phase() const {
    if (!m_dealt)
        return GamePhase::NotDealt;
    if (!m_picked)
        return GamePhase::AwaitingFirstCard;
    if (!m_revealing)
        return GamePhase::CarryingTalon;
    if (m_gameLost || allEmpty())
        return GamePhase::Over;
    return GamePhase::Revealing;
}

int GameState::rowOfSuit(int suit) const {
    for (int row = 1; row <= RowCount; ++row)
        if (suit != 0 && RowSuit(row) == suit)
            return row;
    return 0;
}

std::array<std::array<int, ColumnCount>, RowCount> GameState::emptyTable() {
    std::array<std::array<int, ColumnCount>, RowCount> table{};
    for (auto& row : table)
        row.fill(EmptyCell);
    return table;
}

GameRecord GameState::snapshot() const {
    return {m_tableau,      m_faceUp,    m_rowSuit,        m_currentCard, m_firstRow,
            m_firstCol,     m_dealt,     m_picked,         m_revealing,   m_gameLost,
            m_messageIndex, m_back.Back, m_back.BackColor, m_dealNumber};
}

void GameState::restore(const GameRecord& r) {
    m_tableau = r.tableau;
    m_faceUp = r.faceUp;
    m_rowSuit = r.rowSuit;
    m_currentCard = r.currentCard;
    m_firstRow = r.firstRow;
    m_firstCol = r.firstCol;
    m_dealt = r.dealt;
    m_picked = r.picked;
    m_revealing = r.revealing;
    m_gameLost = r.gameLost;
    m_messageIndex = r.messageIndex;
    m_dealNumber = r.dealNumber;
    // The back it was dealt with; the player's choice of a random back stays.
    m_back.Back = r.back;
    m_back.BackColor = r.backColor;
}

} // namespace vestorine
