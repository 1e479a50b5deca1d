#include "table/CellCursor.h"

#include <algorithm>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>

namespace {

// The frame lies in the gaps around the cell, clear of the card itself.
constexpr int Margin = 4;
constexpr int FrameWidth = 3;

} // namespace

CellCursor::CellCursor(QWidget* grid, int rows, int columns, CellRect cellRect)
    : QWidget(grid->parentWidget())
    , m_grid(grid)
    , m_rows(rows)
    , m_columns(columns)
    , m_cellRect(std::move(cellRect)) {
    setObjectName(QStringLiteral("CellCursor"));
    // Only a frame: the cards show through, and the mouse reaches the grid beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    grid->setFocusPolicy(Qt::StrongFocus);
    grid->installEventFilter(this);
    hide();
    place();
}

void CellCursor::moveTo(int row, int col) {
    m_row = std::clamp(row, 1, m_rows);
    m_col = std::clamp(col, 1, m_columns);
    place();
}

void CellCursor::place() {
    const QRect cell = m_cellRect(m_row, m_col).translated(m_grid->pos());
    setGeometry(cell.adjusted(-Margin, -Margin, Margin, Margin));
}

void CellCursor::hideOnPress(QWidget* control) {
    control->installEventFilter(this);
}

bool CellCursor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        hide();
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        // Walking the menu bar onto an item without a menu hands the focus back to the grid,
        // yet the keys still belong to the bar while it shows that item.
        auto* bar = m_grid->window()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        if (bar && bar->activeAction()) {
            QCoreApplication::sendEvent(bar, event);
            return true;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (keyPressed(key->key(), key->modifiers() & ~Qt::KeypadModifier))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CellCursor::jumpTo(int row, int col) {
    show();
    moveTo(row, col);
    emit moved(m_row, m_col);
}

// x is the column, y the row.
std::optional<QPoint> CellCursor::target(int key, Qt::KeyboardModifiers modifiers) const {
    if (modifiers == Qt::ControlModifier && key == Qt::Key_Home)
        return QPoint(1, 1);
    if (modifiers == Qt::ControlModifier && key == Qt::Key_End)
        return QPoint(m_columns, m_rows);
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return std::nullopt;
    // Letters and digits have their ASCII codes as key codes.
    if (m_columnOfKey && key >= Qt::Key_0 && key <= Qt::Key_Z) {
        if (const int col = m_columnOfKey(char(key)))
            return QPoint(col, m_row);
    }
    if (modifiers != Qt::NoModifier)
        return std::nullopt;
    switch (key) {
    case Qt::Key_Left:
        return QPoint(m_col - 1, m_row);
    case Qt::Key_Right:
        return QPoint(m_col + 1, m_row);
    case Qt::Key_Up:
        return QPoint(m_col, m_row - 1);
    case Qt::Key_Down:
        return QPoint(m_col, m_row + 1);
    case Qt::Key_Home:
        return QPoint(1, m_row);
    case Qt::Key_End:
        return QPoint(m_columns, m_row);
    default:
        return std::nullopt;
    }
}

bool CellCursor::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        show();
        emit activated(m_row, m_col);
        return true;
    }
    const auto to = target(key, modifiers);
    if (!to)
        return false;
    show();
    const int fromRow = m_row;
    const int fromCol = m_col;
    moveTo(to->y(), to->x());
    const bool arrow = key >= Qt::Key_Left && key <= Qt::Key_Down;
    if (m_row != fromRow || m_col != fromCol)
        emit moved(m_row, m_col);
    else if (arrow)
        emit edge();
    else
        emit stayed(m_row, m_col);
    return true;
}

void CellCursor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Yellow on a black edge: plain on the green table and on the white faces alike.
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(outer);
    painter.setPen(
        QPen(QColor(255, 255, 0), FrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}
