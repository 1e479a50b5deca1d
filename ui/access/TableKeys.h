#pragma once

#include <QObject>

#include "access/TableAnswers.h"

class CellCursor;
class StatusAnnouncer;
class TableCells;

namespace vestorine {
class GameState;
}

// The table's letter keys for a player who cannot see it: H jumps to the talon's home cell, N to
// the next face-down card; W, R, F, D, S and L ask about the talon, the rows, the first cell, the
// cards face down, the whole table and the current row, answered at once through the announcer.
// A key that leaves the cursor where it is, Tab included, says where that is.
class TableKeys : public QObject {
    Q_OBJECT
public:
    TableKeys(QWidget* grid, const vestorine::GameState& game, CellCursor* cursor,
              const TableCells& cells, StatusAnnouncer* announcer);

    const TableAnswers& answers() const { return m_answers; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int key);
    // The cursor already on the cell a key leads to: the reader hears where it is.
    void sayWhere(int row, int col);
    void sayFocus();
    void jumpHome();
    void jumpToNextFaceDown();

    QWidget* m_grid;
    const vestorine::GameState& m_game;
    CellCursor* m_cursor;
    TableAnswers m_answers;
    StatusAnnouncer* m_announcer;
};
