#include "table/TableGeometry.h"

#include "Cards.h"

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

QRect TableGeometry::cellRect(int row, int col) const {
    return {(col - 1) * (m_w + Gap), (row - 1) * (m_h + Gap), m_w, m_h};
}

std::optional<TableGeometry::Cell> TableGeometry::cellAt(QPoint p) const {
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        for (int col = 1; col <= vestorine::ColumnCount; ++col) {
            const int left = (col - 1) * (m_w + Gap);
            const int top = (row - 1) * (m_h + Gap);
            if (left < p.x() && p.x() < left + m_w && top < p.y() && p.y() < top + m_h)
                return Cell{row, col};
        }
    }
    return std::nullopt;
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
