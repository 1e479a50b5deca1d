#pragma once

#include <QString>

#include "TableQuestions.h"

class TableCells;

// The table's answers in words for a screen reader: why a key did nothing, where the talon
// goes, the rows, the first cell, the cards face down, the table row by row. The facts come from
// the game's own answers and from what the window painted; this only words them.
class TableAnswers {
public:
    TableAnswers(const vestorine::GameState& game, const TableCells& cells);

    // Why Return on the cell did nothing, and for a misplaced talon where it belongs.
    QString refusal(vestorine::Refusal refusal) const;
    // The talon and where it goes, or what to do when there is none.
    QString talon() const;
    QString rows() const;
    QString firstCell() const;
    QString faceDown() const;
    // Every row, one after the other, each card said by its rank only when its suit owns the row.
    QString summary() const;
    // The row's cells by column.
    QString row(int row) const;
    QString edge() const;
    // The cell by its place and what it shows, as the cursor reads it.
    QString cell(int row, int col) const;
    // The grid, then the cell: where the focus stands.
    QString focus(int row, int col) const;

private:
    QString outsideChain() const;
    QString shortCell(int row, int col) const;

    const vestorine::GameState& m_game;
    const TableCells& m_cells;
};
