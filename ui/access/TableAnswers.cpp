#include "access/TableAnswers.h"

#include "access/TableCells.h"
#include "common/WindowTexts.h"

#include <QStringList>

namespace {

// The game counts suits from 1.
QString suitName(int suit, int language) {
    return texts::suitName(suit - 1, language);
}

QString rankName(int card, int language) {
    return texts::rankName(card / 4, language);
}

} // namespace

TableAnswers::TableAnswers(const vestorine::GameState& game, const TableCells& cells)
    : m_game(game)
    , m_cells(cells) {}

QString TableAnswers::refusal(vestorine::Refusal refusal) const {
    const texts::SpokenTexts say = texts::spoken(m_game.Language());
    switch (refusal) {
    case vestorine::Refusal::None:
        return {};
    case vestorine::Refusal::NotDealt:
        return say.notDealt;
    case vestorine::Refusal::NotHome:
        return talon();
    case vestorine::Refusal::Empty:
        return say.empty;
    case vestorine::Refusal::FaceUp:
        return say.faceUp;
    case vestorine::Refusal::Over:
        return say.over;
    }
    return {};
}

QString TableAnswers::talon() const {
    const auto way = vestorine::talonWay(m_game);
    if (!way)
        return outsideChain();
    const texts::SpokenTexts say = texts::spoken(m_game.Language());
    const QString card = texts::cardName(way->card, m_game.Language());
    if (way->rows.size() == 1 && m_game.rowOfSuit(vestorine::suitNumber(way->card)))
        return say.goesTo.arg(card).arg(way->col).arg(way->rows.front());
    // "1, 3 or 4"
    QString rows;
    for (size_t i = 0; i < way->rows.size(); ++i) {
        if (i > 0)
            rows += i + 1 == way->rows.size() ? say.orWord : QStringLiteral(", ");
        rows += QString::number(way->rows[i]);
    }
    return say.goesToFree.arg(card).arg(way->col).arg(rows);
}

QString TableAnswers::outsideChain() const {
    const texts::SpokenTexts say = texts::spoken(m_game.Language());
    switch (m_game.phase()) {
    case vestorine::GamePhase::NotDealt:
        return say.notDealt;
    case vestorine::GamePhase::AwaitingFirstCard:
        return say.firstPick;
    case vestorine::GamePhase::Revealing:
        return say.revealing;
    case vestorine::GamePhase::CarryingTalon:
    case vestorine::GamePhase::Over:
        break;
    }
    return say.over;
}

QString TableAnswers::rows() const {
    const texts::SpokenTexts say = texts::spoken(m_game.Language());
    QStringList said;
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        const int suit = m_game.RowSuit(row);
        said << (suit ? say.rowOwned.arg(row).arg(suitName(suit, m_game.Language()))
                      : say.rowFree.arg(row));
    }
    return said.join(QStringLiteral(", "));
}

QString TableAnswers::firstCell() const {
    const texts::SpokenTexts say = texts::spoken(m_game.Language());
    if (const auto cell = vestorine::firstCell(m_game))
        return say.firstCell.arg(cell->row).arg(cell->col);
    return (m_game.Dealt() ? say.noFirstCell : say.notDealt);
}

QString TableAnswers::faceDown() const {
    const texts::SpokenTexts say = texts::spoken(m_game.Language());
    const auto cells = vestorine::faceDownCells(m_game);
    if (cells.empty())
        return (m_game.Dealt() ? say.noneDown : say.notDealt);
    QStringList said{cells.size() == 1 ? say.oneDown : say.manyDown.arg(cells.size())};
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        QStringList cols;
        for (const auto& cell : cells)
            if (cell.row == row)
                cols << QString::number(cell.col);
        if (!cols.isEmpty())
            said << say.downInRow.arg(row).arg(cols.join(QStringLiteral(" ")));
    }
    return said.join(QStringLiteral(". "));
}

QString TableAnswers::shortCell(int row, int col) const {
    const texts::SpokenTexts say = texts::spoken(m_game.Language());
    const int shown = m_cells.shown(row, col);
    if (shown == TableCells::FaceDown)
        return say.down;
    if (shown == vestorine::EmptyCell)
        return texts::table(m_game.Language()).empty;
    if (vestorine::suitNumber(shown) == m_game.RowSuit(row))
        return rankName(shown, m_game.Language());
    return texts::cardName(shown, m_game.Language());
}

QString TableAnswers::summary() const {
    if (!m_game.Dealt())
        return texts::spoken(m_game.Language()).notDealt;
    QStringList said;
    for (int row = 1; row <= vestorine::RowCount; ++row)
        said << this->row(row);
    return said.join(QStringLiteral(". "));
}

QString TableAnswers::row(int row) const {
    const texts::SpokenTexts say = texts::spoken(m_game.Language());
    QStringList cells;
    for (int col = 1; col <= vestorine::ColumnCount; ++col)
        cells << shortCell(row, col);
    QString head = QString::number(row);
    if (const int suit = m_game.RowSuit(row))
        head += QStringLiteral(" ") + suitName(suit, m_game.Language());
    return say.rowWords.arg(head).arg(cells.join(QStringLiteral(", ")));
}

QString TableAnswers::edge() const {
    return texts::spoken(m_game.Language()).edge;
}

QString TableAnswers::cell(int row, int col) const {
    return m_cells.cellName(row, col);
}

QString TableAnswers::focus(int row, int col) const {
    return QStringList{m_cells.gridName(), cell(row, col)}.join(QStringLiteral(". "));
}
