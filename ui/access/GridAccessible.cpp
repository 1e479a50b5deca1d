#include "access/GridAccessible.h"

#include <vector>

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

void notify(QAccessibleInterface* iface, QAccessible::Event type) {
    if (!iface)
        return;
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

// A child interface without an object of its own: a cell, or the status line's notification.
class ChildInterface : public QAccessibleInterface {
public:
    explicit ChildInterface(QWidget* owner)
        : m_owner(owner) {}

    bool isValid() const override { return !m_owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_owner ? m_owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_owner.data());
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* owner() const { return m_owner.data(); }
    QAccessible::State shownState() const {
        QAccessible::State state;
        state.invisible = !m_owner || !m_owner->isVisible();
        return state;
    }

private:
    QPointer<QWidget> m_owner;
};

// Children made on first demand and kept until their parent goes, as Qt's item views do.
class ChildList {
public:
    ~ChildList() {
        for (QAccessible::Id id : m_ids)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }
    template <class Make> QAccessibleInterface* at(int index, int count, Make make) {
        if (index < 0 || index >= count)
            return nullptr;
        if (m_ids.size() < std::size_t(count))
            m_ids.resize(std::size_t(count), 0);
        QAccessible::Id& id = m_ids[std::size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(make());
        return QAccessible::accessibleInterface(id);
    }
    int indexOf(const QAccessibleInterface* child) const {
        for (std::size_t i = 0; i < m_ids.size(); ++i)
            if (m_ids[i] && QAccessible::accessibleInterface(m_ids[i]) == child)
                return int(i);
        return -1;
    }

private:
    std::vector<QAccessible::Id> m_ids;
};

class CellInterface : public ChildInterface, public QAccessibleTableCellInterface {
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
        return {owner()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state = shownState();
        state.focusable = true;
        state.focused = m_cells && owner()->hasFocus() && m_cells->cursorRow() == m_row &&
                        m_cells->cursorColumn() == m_col;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
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
    int m_row;
    int m_col;
};

// The grid picture as a table; nothing in it can be selected, the cursor only focuses.
class GridInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    GridInterface(QWidget* grid, GridCells* cells)
        : QAccessibleWidget(grid, QAccessible::Table)
        , m_cells(cells) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && m_cells)
            return m_cells->gridName();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return m_cells ? rowCount() * columnCount() : 0; }
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
                    return cellAt(row - 1, col - 1);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!m_cells || !widget()->hasFocus())
            return nullptr;
        return cellAt(m_cells->cursorRow() - 1, m_cells->cursorColumn() - 1);
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
    int columnCount() const override { return m_cells ? m_cells->columnCount() : 0; }
    int rowCount() const override { return m_cells ? m_cells->rowCount() : 0; }
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

// What the status line announced last: a screen reader speaks a notification when it shows.
class NoteInterface : public ChildInterface {
public:
    NoteInterface(QWidget* status, StatusAnnouncer* announcer)
        : ChildInterface(status)
        , m_announcer(announcer) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_announcer ? m_announcer->announcement() : QString();
    }
    QRect rect() const override { return parent() ? parent()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return shownState(); }

private:
    QPointer<StatusAnnouncer> m_announcer;
};

// The status line: named by its current message, whatever the blink shows.
class StatusInterface : public QAccessibleWidget {
public:
    StatusInterface(QLabel* status, StatusAnnouncer* announcer)
        : QAccessibleWidget(status, QAccessible::StatusBar)
        , m_announcer(announcer) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && m_announcer)
            return m_announcer->message();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        QWidget* status = widget();
        StatusAnnouncer* announcer = m_announcer.data();
        return m_note.at(index, 1,
                         [status, announcer] { return new NoteInterface(status, announcer); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return m_note.indexOf(child);
    }

private:
    QPointer<StatusAnnouncer> m_announcer;
    mutable ChildList m_note;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* cells = widget->findChild<GridCells*>(QString(), Qt::FindDirectChildrenOnly))
        return new GridInterface(widget, cells);
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label)
        return nullptr;
    if (auto* announcer = label->findChild<StatusAnnouncer*>(QString(), Qt::FindDirectChildrenOnly))
        return new StatusInterface(label, announcer);
    return nullptr;
}

// The cell's interface, made only when an assistive tool listens.
QAccessibleInterface* cellInterface(QWidget* grid, int row, int col) {
    if (!QAccessible::isActive())
        return nullptr;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(grid);
    QAccessibleTableInterface* table = iface ? iface->tableInterface() : nullptr;
    return table ? table->cellAt(row - 1, col - 1) : nullptr;
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
    notify(cellInterface(m_grid, m_cursorRow, m_cursorCol), QAccessible::Focus);
}

void GridCells::cellChanged(int row, int col) {
    notify(cellInterface(m_grid, row, col), QAccessible::NameChanged);
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

StatusAnnouncer::StatusAnnouncer(QLabel* status)
    : QObject(status)
    , m_status(status) {
    gridaccessible::install();
}

void StatusAnnouncer::setMessage(const QString& message) {
    if (message == m_message)
        return;
    m_message = message;
    // A name of its own keeps the blink, which only changes the text, away from the bridge.
    m_status->setAccessibleName(message);
    // The last message of the turn is the one said; the blank is never said.
    m_pendingMessage = message;
    if (!message.isEmpty())
        queue();
}

void StatusAnnouncer::addDetail(const QString& text) {
    m_pendingDetails << text;
    queue();
}

void StatusAnnouncer::queue() {
    // One announcement for one turn of the event loop: a screen reader cuts a message short
    // when the next one arrives.
    if (m_queued)
        return;
    m_queued = true;
    QMetaObject::invokeMethod(this, &StatusAnnouncer::flush, Qt::QueuedConnection);
}

void StatusAnnouncer::flush() {
    m_queued = false;
    QStringList parts = m_pendingDetails;
    if (!m_pendingMessage.isEmpty())
        parts << m_pendingMessage;
    m_pendingDetails.clear();
    m_pendingMessage.clear();
    if (parts.isEmpty())
        return;
    m_announcement = parts.join(QStringLiteral(". "));
    ++m_count;
    if (!QAccessible::isActive())
        return;
    // Tools keep the names they read: the new words first, then the showing.
    if (QAccessibleInterface* status = QAccessible::queryAccessibleInterface(m_status)) {
        notify(status->child(0), QAccessible::NameChanged);
        notify(status->child(0), QAccessible::ObjectShow);
    }
}
