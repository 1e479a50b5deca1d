#pragma once

#include <optional>

#include <QPoint>
#include <QRect>
#include <QSize>

// A grid of equal cells with a gap between neighbours, in the grid picture's own coordinates.
// Rows and columns count from 1.
struct GridGeometry {
    struct Cell {
        int row = 0;
        int col = 0;
        bool operator==(const Cell&) const = default;
    };

    static constexpr int Gap = 10;

    QSize cell;
    int rows = 0;
    int columns = 0;

    QRect cellRect(int row, int col) const;
    // The cell holding a point. Borders on the left and top edges and the gaps belong to no
    // cell: every comparison is strict. Cells are tried row by row; the first match counts.
    std::optional<Cell> cellAt(QPoint point) const;
    // The strict test of one cell, for every other place that finds a cell by a point.
    static bool strictlyInside(QRect cell, QPoint point);
};

// Where everything of the table lies for a card size W × H, in the window's client coordinates
// unless said otherwise. Pure arithmetic, so the hit tests can be checked without a window.
class TableGeometry {
public:
    using Cell = GridGeometry::Cell; // row 1..4, column 1..8

    TableGeometry(int cardWidth, int cardHeight);

    int cardWidth() const { return m_w; }
    int cardHeight() const { return m_h; }

    // The window's own area, menu bar included.
    QSize windowSize() const;
    QRect talonHome() const;
    QRect gridRect() const;
    QPoint legendPos() const;

    // The 4 × 8 grid of the table, in the grid picture's coordinates.
    GridGeometry grid() const;
    QRect cellRect(int row, int col) const { return grid().cellRect(row, col); }
    std::optional<Cell> cellAt(QPoint gridPoint) const { return grid().cellAt(gridPoint); }
    // The same test for a point of the window.
    std::optional<Cell> cellAtWindow(QPoint windowPoint) const;

    // The point of the window a talon lying at `talon` designates: its centre, the halves
    // rounded to the even neighbour (71 gives 36, 96 gives 48).
    static QPoint dropPoint(QRect talon);
    static int halfToEven(int length);

private:
    int m_w;
    int m_h;
};
