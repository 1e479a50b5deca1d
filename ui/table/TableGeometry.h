#pragma once

#include <optional>

#include <QPoint>
#include <QRect>
#include <QSize>

// Where everything of the table lies for a card size W × H, in the window's client coordinates
// unless said otherwise. Pure arithmetic, so the hit tests can be checked without a window.
class TableGeometry {
public:
    struct Cell {
        int row = 0; // 1..4
        int col = 0; // 1..8
        bool operator==(const Cell&) const = default;
    };

    static constexpr int Gap = 10;

    TableGeometry(int cardWidth, int cardHeight);

    int cardWidth() const { return m_w; }
    int cardHeight() const { return m_h; }

    // The window's own area, menu bar included.
    QSize windowSize() const;
    QRect talonHome() const;
    QRect gridRect() const;
    QPoint legendPos() const;

    // Cell (row, col) inside the grid picture.
    QRect cellRect(int row, int col) const;
    // The cell holding a point of the grid picture. Borders on the left and top edges and the
    // gaps belong to no cell: every comparison is strict.
    std::optional<Cell> cellAt(QPoint gridPoint) const;
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
