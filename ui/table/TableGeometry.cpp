#include "table/TableGeometry.h"

#include "Cards.h"

QRect GridGeometry::cellRect(int row, int col) const {
    return {QPoint((col - 1) * (cell.width() + Gap), (row - 1) * (cell.height() + Gap)), cell};
}

std::optional<GridGeometry::Cell> GridGeometry::cellAt(QPoint p) const {
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= columns; ++col)
            if (strictlyInside(cellRect(row, col), p))
                return Cell{row, col};
    return std::nullopt;
}

bool GridGeometry::strictlyInside(QRect r, QPoint p) {
    // Strict on all four sides; QRect's own right() and bottom() are one pixel short.
    return r.x() < p.x() && p.x() < r.x() + r.width() && r.y() < p.y() &&
           p.y() < r.y() + r.height();
}

TableGeometry::TableGeometry(int cardWidth, int cardHeight)
    : m_w(cardWidth)
    , m_h(cardHeight) {}

QSize TableGeometry::windowSize() const {
    return {8 * m_w + 110, 5 * m_h + 145};
}

QRect TableGeometry::talonHome() const {
    return {10, 10, m_w, m_h};
}

QRect TableGeometry::gridRect() const {
    return {10, m_h + 30, 8 * m_w + 90, 4 * m_h + 30};
}

QPoint TableGeometry::legendPos() const {
    const QRect grid = gridRect();
    return {0, grid.top() + grid.height()};
}

GridGeometry TableGeometry::grid() const {
    return {QSize(m_w, m_h), vestorine::RowCount, vestorine::ColumnCount};
}

std::optional<TableGeometry::Cell> TableGeometry::cellAtWindow(QPoint windowPoint) const {
    return cellAt(windowPoint - gridRect().topLeft());
}

int TableGeometry::halfToEven(int length) {
    const int down = length / 2;
    if (length % 2 == 0)
        return down;
    // An odd length has two neighbours for its half: take the even one.
    return down % 2 == 0 ? down : down + 1;
}

QPoint TableGeometry::dropPoint(QRect talon) {
    return {talon.left() + halfToEven(talon.width()), talon.top() + halfToEven(talon.height())};
}
