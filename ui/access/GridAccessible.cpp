#include "access/GridAccessible.h"

#include "access/AccessibleChildren.h"
#include "table/TableGeometry.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <QWindow>

namespace {

using accessible::ChildInterface;
using accessible::ChildList;
using accessible::notify;

class CellInterface : public ChildInterface {
public:
    CellInterface(GridCells* cells, int index)
        : ChildInterface(cells->grid())
        , m_cells(cells)
        , m_row(index / cells->columnCount() + 1)
        , m_col(index % cells->columnCount() + 1) {}

    bool isValid() const override { return ChildInterface::isValid() && m_cells; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_cells ? m_cells->cellName(m_row, m_col) : QString();
    }
    QRect rect() const override {
        if (!m_cells)
            return {};
        const QRect cell = m_cells->cellRect(m_row, m_col);
        return accessible::toScreen(owner(), {owner()->mapToGlobal(cell.topLeft()), cell.size()});
    }
    // An item, not a table cell, in either grid: a screen reader brailles a table cell only as
    // part of its row, read through the table interface the grid leaves out; an item it
    // brailles by its own name.
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state = shownState();
        state.focusable = true;
        state.focused = m_cells && owner()->hasFocus() && m_cells->cursorRow() == m_row &&
                        m_cells->cursorColumn() == m_col;
        return state;
    }

private:
    QPointer<GridCells> m_cells;
    int m_row;
    int m_col;
};

// The grid picture as a table of cells, or a list; nothing in it can be selected, the cursor
// only focuses. No table interface: with one, a screen reader reads the whole row at each move
// up or down (eight cells, most of them face down), and never the column moved to; each cell's
// name already says its row and column.
class GridInterface : public QAccessibleWidget {
public:
    GridInterface(QWidget* grid, GridCells* cells)
        : QAccessibleWidget(grid, cells->readAsList() ? QAccessible::List : QAccessible::Table)
        , m_cells(cells) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && m_cells)
            return m_cells->gridName();
        return QAccessibleWidget::text(t);
    }
    QRect rect() const override {
        return accessible::toScreen(widget(), QAccessibleWidget::rect());
    }
    int childCount() const override {
        return m_cells ? m_cells->rowCount() * m_cells->columnCount() : 0;
    }
    QAccessibleInterface* child(int index) const override {
        GridCells* cells = m_cells.data();
        return m_children.at(index, childCount(),
                             [cells, index] { return new CellInterface(cells, index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return m_children.indexOf(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!m_cells)
            return nullptr;
        // The mouse's strict test: an edge pixel belongs to no cell for either of them.
        const QPoint local = widget()->mapFromGlobal(accessible::fromScreen(widget(), {x, y}));
        for (int row = 1; row <= m_cells->rowCount(); ++row)
            for (int col = 1; col <= m_cells->columnCount(); ++col)
                if (GridGeometry::strictlyInside(m_cells->cellRect(row, col), local))
                    return cellOf(row, col);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!m_cells || !widget()->hasFocus())
            return nullptr;
        return cellOf(m_cells->cursorRow(), m_cells->cursorColumn());
    }
    // Row and column from 1.
    QAccessibleInterface* cellOf(int row, int col) const {
        return child((row - 1) * m_cells->columnCount() + col - 1);
    }

private:
    QPointer<GridCells> m_cells;
    mutable ChildList m_children;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* cells = widget->findChild<GridCells*>(QString(), Qt::FindDirectChildrenOnly))
        return new GridInterface(widget, cells);
    return nullptr;
}

// The cell's interface, made only when an assistive tool listens.
// Children are counted row by row, whether the grid reads as a table or as a list.
QAccessibleInterface* cellInterface(const GridCells& cells, int row, int col) {
    if (!QAccessible::isActive())
        return nullptr;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(cells.grid());
    return iface ? iface->child((row - 1) * cells.columnCount() + col - 1) : nullptr;
}

} // namespace

void gridaccessible::install() {
    QAccessible::installFactory(factory);
}

GridCells::GridCells(QWidget* grid, int rows, int columns)
    : QObject(grid)
    , m_grid(grid)
    , m_rows(rows)
    , m_columns(columns) {
    gridaccessible::install();
    grid->installEventFilter(this);
}

void GridCells::setCursor(int row, int col) {
    m_cursorRow = row;
    m_cursorCol = col;
    if (m_grid->hasFocus())
        focusCursorCell();
}

void GridCells::focusCursorCell() {
    notify(cellInterface(*this, m_cursorRow, m_cursorCol), QAccessible::Focus);
}

void GridCells::cellChanged(int row, int col) {
    notify(cellInterface(*this, row, col), QAccessible::NameChanged);
}

void GridCells::allChanged() {
    if (!QAccessible::isActive())
        return;
    notify(QAccessible::queryAccessibleInterface(m_grid), QAccessible::NameChanged);
    for (int row = 1; row <= m_rows; ++row)
        for (int col = 1; col <= m_columns; ++col)
            cellChanged(row, col);
}

bool GridCells::eventFilter(QObject* watched, QEvent* event) {
    // The grid's own focus event goes out after this one: the cell's must follow it.
    if (watched == m_grid && event->type() == QEvent::FocusIn && QAccessible::isActive())
        QMetaObject::invokeMethod(this, &GridCells::focusCursorCell, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}
