#pragma once

#include <QWidget>

#include <functional>
#include <optional>

// The keyboard's cell cursor over a grid of cells: a frame drawn on a control of its own laid
// over the grid, so the grid's picture never holds it. The arrows move it and stop at the edges,
// Home and End go to the first and last column, Ctrl+Home and Ctrl+End to the first and last
// cell, column keys (when the window gives them) to a column of the row; Enter or Space designate
// its cell. It shows from the first key used on the grid, or when the window brings back a game
// that keys may have been playing (after a change of table size), and hides at a mouse press
// there, so a mouse player never sees it during play.
class CellCursor : public QWidget {
    Q_OBJECT
public:
    // The cell's rectangle in the grid's coordinates, row and column from 1.
    using CellRect = std::function<QRect(int row, int col)>;
    // The column a key's character stands for, 0 for none.
    using ColumnOfKey = std::function<int(char key)>;

    CellCursor(QWidget* grid, int rows, int columns, CellRect cellRect);

    int row() const { return m_row; }
    int column() const { return m_col; }
    // Moves the cursor without a key, as when the window starts afresh.
    void moveTo(int row, int col);
    // A mouse press on this control hides the cursor too, as one on the grid does.
    void hideOnPress(QWidget* control);
    // Letters and digits that jump to a column of the current row; the grid's owner knows which.
    void setColumnKeys(ColumnOfKey columnOfKey) { m_columnOfKey = std::move(columnOfKey); }
    // Shows the cursor on the cell and reports the move, as a key of the window's own would.
    void jumpTo(int row, int col);

signals:
    void moved(int row, int col);
    void activated(int row, int col);
    // An arrow found the cursor at the edge it points to.
    void edge();
    // Any other move key led to the cell the cursor was on already.
    void stayed(int row, int col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    // The cell a move key leads to, or nothing for a key that does not move.
    std::optional<QPoint> target(int key, Qt::KeyboardModifiers modifiers) const;
    void place();

    QWidget* m_grid;
    int m_rows;
    int m_columns;
    CellRect m_cellRect;
    ColumnOfKey m_columnOfKey;
    int m_row = 1;
    int m_col = 1;
};
