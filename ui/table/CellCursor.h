#pragma once

#include <QWidget>

#include <functional>

// The keyboard's cell cursor over a grid of cells: a frame drawn on a control of its own laid
// over the grid, so the grid's picture never holds it. The arrows move it and stop at the edges,
// Enter or Space designate its cell. It shows from the first key used on the grid and hides at
// a mouse press there, so a mouse player never sees it.
class CellCursor : public QWidget {
    Q_OBJECT
public:
    // The cell's rectangle in the grid's coordinates, row and column from 1.
    using CellRect = std::function<QRect(int row, int col)>;

    CellCursor(QWidget* grid, int rows, int columns, CellRect cellRect);

    int row() const { return m_row; }
    int column() const { return m_col; }
    // Moves the cursor without a key, as when the window starts afresh.
    void moveTo(int row, int col);
    // A mouse press on this control hides the cursor too, as one on the grid does.
    void hideOnPress(QWidget* control);

signals:
    void moved(int row, int col);
    void activated(int row, int col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool keyPressed(int key);
    void place();

    QWidget* m_grid;
    int m_rows;
    int m_columns;
    CellRect m_cellRect;
    int m_row = 1;
    int m_col = 1;
};
