#include "access/GridAccessible.h"

#include "access/AccessibleChildren.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <QWindow>

namespace {

using accessible::ChildInterface;
using accessible::ChildList;
using accessible::notify;

class CellInterface : public ChildInterface, public QAccessibleTableCellInterface {
public:
    CellInterface(GridCells* cells, int index)
        : ChildInterface(cells->grid())
        , m_cells(cells)
        , m_index(index)
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
        return {owner()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override {
        return m_cells && m_cells->readAsList() ? QAccessible::ListItem : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state = shownState();
        state.focusable = true;
        state.focused = m_cells && owner()->hasFocus() && m_cells->cursorRow() == m_row &&
                        m_cells->cursorColumn() == m_col;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && m_cells && !m_cells->readAsList())
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_col - 1; }
    int rowIndex() const override { return m_row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<GridCells> m_cells;
    int m_index;
    int m_row;
    int m_col;
};

// The grid picture as a table; nothing in it can be selected, the cursor only focuses.
class GridInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    GridInterface(QWidget* grid, GridCells* cells)
        : QAccessibleWidget(grid, cells->readAsList() ? QAccessible::List : QAccessible::Table)
        , m_cells(cells) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface && m_cells && !m_cells->readAsList())
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && m_cells)
            return m_cells->gridName();
        return QAccessibleWidget::text(t);
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
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int row = 1; row <= rowCount(); ++row)
            for (int col = 1; col <= columnCount(); ++col)
                if (m_cells->cellRect(row, col).contains(local))
                    return cellOf(row, col);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!m_cells || !widget()->hasFocus())
            return nullptr;
        return cellOf(m_cells->cursorRow(), m_cells->cursorColumn());
    }
    // Row and column from 1, whatever shape the table shows a screen reader.
    QAccessibleInterface* cellOf(int row, int col) const {
        return child((row - 1) * m_cells->columnCount() + col - 1);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(row * columnCount() + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override {
        if (!m_cells)
            return 0;
        return m_cells->columnCount();
    }
    int rowCount() const override {
        if (!m_cells)
            return 0;
        return m_cells->rowCount();
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

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
