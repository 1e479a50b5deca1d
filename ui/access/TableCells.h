#pragma once

#include <array>

#include "Cards.h"
#include "access/GridAccessible.h"
#include "table/TableGeometry.h"

namespace vestorine {
class GameState;
}

// The main window's grid and talon in words, from what the window last painted in each cell
// and on the talon; never from the cards still hidden.
class TableCells : public GridCells {
    Q_OBJECT
public:
    // What a cell shows: EmptyCell (the placeholder), FaceDown, or the id of a card face up.
    static constexpr int FaceDown = -2;

    TableCells(QWidget* grid, QWidget* talon, const vestorine::GameState& game,
               const TableGeometry& geometry);

    void painted(int row, int col, int shown);
    // While a deal lays the cards, every cell reads as the back it is about to get: a reader
    // asking then, as when the focus comes back from a menu, hears the new deal, not the
    // placeholder being covered.
    void setDealing(bool dealing) { m_dealing = dealing; }
    void talonPainted(int card);
    int shown(int row, int col) const { return m_shown[index(row, col)]; }
    // The card last painted on the talon, EmptyCell before the first.
    int talonCard() const { return m_talonCard; }
    // The grid's description names the deal on the table, once there is one.
    void describeDeal();

    QString gridName() const override;
    QString cellName(int row, int col) const override;
    QRect cellRect(int row, int col) const override;
    QString talonName() const;
    QString talonDescription() const;

    // The texts follow the game's language again.
    void languageChanged();
    // Whether the talon was painted anew since the last call.
    bool takeTalonChange();

private:
    static int index(int row, int col) { return (row - 1) * vestorine::ColumnCount + col - 1; }
    void nameTalon();

    QWidget* m_talon;
    const vestorine::GameState& m_game;
    const TableGeometry& m_geometry;
    std::array<int, vestorine::CellCount> m_shown;
    int m_talonCard = vestorine::EmptyCell;
    bool m_talonChanged = false;
    bool m_dealing = false;
};
