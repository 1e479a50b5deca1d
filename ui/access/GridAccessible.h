#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

// A grid picture as a screen reader learns it, through Qt's accessibility bridge: cells, one
// child interface per cell, named from what the window last painted there. Used by
// the table's grid and the back chooser's. The interfaces are made only when an assistive tool
// asks, by a factory that finds the GridCells object as a child of the control it describes.
namespace gridaccessible {

// Installs the factory, once however often it is called; the objects below call it.
void install();

} // namespace gridaccessible

// A grid picture's cells in words. Lives as a child of the control showing the grid; the window
// tells it where the cursor is and it tells the bridge what changed.
class GridCells : public QObject {
    Q_OBJECT
public:
    GridCells(QWidget* grid, int rows, int columns);

    QWidget* grid() const { return m_grid; }
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    int cursorRow() const { return m_cursorRow; }
    int cursorColumn() const { return m_cursorCol; }

    virtual QString gridName() const = 0;
    // Row and column from 1.
    virtual QString cellName(int row, int col) const = 0;
    // In the grid control's coordinates.
    virtual QRect cellRect(int row, int col) const = 0;
    // A list rather than a table, for a grid whose rows mean nothing; the cells are items in both.
    virtual bool readAsList() const { return false; }

    // The cursor's cell is the focused accessible object while the grid has the focus.
    void setCursor(int row, int col);
    // Tells the bridge that the cell's name changed (it was painted anew).
    void cellChanged(int row, int col);
    // Every name changed, as after a language switch.
    void allChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusCursorCell();

    QWidget* m_grid;
    int m_rows;
    int m_columns;
    int m_cursorRow = 1;
    int m_cursorCol = 1;
};
