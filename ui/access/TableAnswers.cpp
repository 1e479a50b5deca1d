#include "access/TableAnswers.h"

#include "CardNames.h"
#include "access/TableCells.h"
#include "common/WindowTexts.h"

#include <QStringList>

namespace {

QString words(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString suitName(int suit, int language) {
    return QString::fromUtf8(
        vestorine::SuitNames[suit - 1][language == vestorine::English ? 0 : 1]);
}

QString rankName(int card, int language) {
    return QString::fromUtf8(
        vestorine::RankNames[card / 4][language == vestorine::English ? 0 : 1]);
}

} // namespace

TableAnswers::TableAnswers(const vestorine::GameState& game, const TableCells& cells)
    : m_game(game)
    , m_cells(cells) {}

QString TableAnswers::refusal(vestorine::Refusal refusal) const {
    const texts::SpokenTexts& say = texts::spoken(m_game.Language());
    switch (refusal) {
    case vestorine::Refusal::None:
        return {};
    case vestorine::Refusal::NotDealt:
        return words(say.notDealt);
    case vestorine::Refusal::NotHome:
        return talon();
    case vestorine::Refusal::Empty:
        return words(say.empty);
    case vestorine::Refusal::FaceUp:
        return words(say.faceUp);
    case vestorine::Refusal::Over:
        return words(say.over);
    }
    return {};
}

QString TableAnswers::talon() const {
    const auto way = vestorine::talonWay(m_game);
    if (!way)
        return outsideChain();
    const texts::SpokenTexts& say = texts::spoken(m_game.Language());
    const QString card = QString::fromStdString(vestorine::cardName(way->card, m_game.Language()));
    if (way->rows.size() == 1 && m_game.rowOfSuit(vestorine::suitNumber(way->card)))
        return words(say.goesTo).arg(card).arg(way->col).arg(way->rows.front());
    // "1, 3 or 4"
    QString rows;
    for (size_t i = 0; i < way->rows.size(); ++i) {
        if (i > 0)
            rows += i + 1 == way->rows.size() ? words(say.orWord) : QStringLiteral(", ");
        rows += QString::number(way->rows[i]);
    }
    return words(say.goesToFree).arg(card).arg(way->col).arg(rows);
}

QString TableAnswers::outsideChain() const {
    const texts::SpokenTexts& say = texts::spoken(m_game.Language());
    switch (m_game.phase()) {
    case vestorine::GamePhase::NotDealt:
        return words(say.notDealt);
    case vestorine::GamePhase::AwaitingFirstCard:
        return words(say.firstPick);
    case vestorine::GamePhase::Revealing:
        return words(say.revealing);
    case vestorine::GamePhase::CarryingTalon:
    case vestorine::GamePhase::Over:
        break;
    }
    return words(say.over);
}

QString TableAnswers::rows() const {
    const texts::SpokenTexts& say = texts::spoken(m_game.Language());
    QStringList said;
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        const int suit = m_game.RowSuit(row);
        said << (suit ? words(say.rowOwned).arg(row).arg(suitName(suit, m_game.Language()))
                      : words(say.rowFree).arg(row));
    }
    return said.join(QStringLiteral(", "));
}

QString TableAnswers::firstCell() const {
    const texts::SpokenTexts& say = texts::spoken(m_game.Language());
    if (const auto cell = vestorine::firstCell(m_game))
        return words(say.firstCell).arg(cell->row).arg(cell->col);
    return words(m_game.Dealt() ? say.noFirstCell : say.notDealt);
}

QString TableAnswers::faceDown() const {
    const texts::SpokenTexts& say = texts::spoken(m_game.Language());
    const auto cells = vestorine::faceDownCells(m_game);
    if (cells.empty())
        return words(m_game.Dealt() ? say.noneDown : say.notDealt);
    QStringList said{cells.size() == 1 ? words(say.oneDown)
                                       : words(say.manyDown).arg(cells.size())};
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        QStringList cols;
        for (const auto& cell : cells)
            if (cell.row == row)
                cols << QString::number(cell.col);
        if (!cols.isEmpty())
            said << words(say.downInRow).arg(row).arg(cols.join(QStringLiteral(" ")));
    }
    return said.join(QStringLiteral(". "));
}

QString TableAnswers::shortCell(int row, int col) const {
    const texts::SpokenTexts& say = texts::spoken(m_game.Language());
    const int shown = m_cells.shown(row, col);
    if (shown == TableCells::FaceDown)
        return words(say.down);
    if (shown == vestorine::EmptyCell)
        return words(texts::table(m_game.Language()).empty);
    if (vestorine::suitNumber(shown) == m_game.RowSuit(row))
        return rankName(shown, m_game.Language());
    return QString::fromStdString(vestorine::cardName(shown, m_game.Language()));
}

QString TableAnswers::summary() const {
    if (!m_game.Dealt())
        return words(texts::spoken(m_game.Language()).notDealt);
    QStringList said;
    for (int row = 1; row <= vestorine::RowCount; ++row)
        said << this->row(row);
    return said.join(QStringLiteral(". "));
}

QString TableAnswers::row(int row) const {
    const texts::SpokenTexts& say = texts::spoken(m_game.Language());
    QStringList cells;
    for (int col = 1; col <= vestorine::ColumnCount; ++col)
        cells << shortCell(row, col);
    QString head = QString::number(row);
    if (const int suit = m_game.RowSuit(row))
        head += QStringLiteral(" ") + suitName(suit, m_game.Language());
    return words(say.rowWords).arg(head).arg(cells.join(QStringLiteral(", ")));
}

QString TableAnswers::edge() const {
    return words(texts::spoken(m_game.Language()).edge);
}

QString TableAnswers::cell(int row, int col) const {
    return m_cells.cellName(row, col);
}

QString TableAnswers::focus(int row, int col) const {
    return QStringList{m_cells.gridName(), cell(row, col)}.join(QStringLiteral(". "));
}
