#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// What a screen reader learns of the windows, through Qt's accessibility bridge. A grid picture
// is exposed as a table of cells, one child interface per cell, named from what the window last
// painted there; the status line says its current message and announces each new one. The
// interfaces are made only when an assistive tool asks, by a factory that finds the objects
// below as children of the controls they describe.
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

// The status line's voice. Its accessible name is the current message, steady while the line
// blinks; each new message other than the blank one is announced through a notification child,
// together with whatever else changed in the same turn (the cell acted on, the talon).
class StatusAnnouncer : public QObject {
    Q_OBJECT
public:
    explicit StatusAnnouncer(QLabel* status);

    // The status line shows `message` now (the blink's blank does not come here).
    void setMessage(const QString& message);
    // Said first in the next announcement.
    void addDetail(const QString& text);

    QString message() const { return m_message; }
    // The words of the latest announcement.
    QString announcement() const { return m_announcement; }
    int announcementCount() const { return m_count; }

private:
    void queue();
    void flush();

    QLabel* m_status;
    QString m_message;
    QString m_announcement;
    QStringList m_pendingDetails;
    QString m_pendingMessage;
    bool m_queued = false;
    int m_count = 0;
};
