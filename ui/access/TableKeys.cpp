#include "access/TableKeys.h"

#include "TableQuestions.h"
#include "access/StatusAnnouncer.h"
#include "table/CellCursor.h"

#include <QKeyEvent>
#include <QWidget>

TableKeys::TableKeys(QWidget* grid, const vestorine::GameState& game, CellCursor* cursor,
                     const TableCells& cells, StatusAnnouncer* announcer)
    : QObject(grid)
    , m_grid(grid)
    , m_game(game)
    , m_cursor(cursor)
    , m_answers(game, cells)
    , m_announcer(announcer) {
    grid->installEventFilter(this);
    connect(cursor, &CellCursor::stayed, this, &TableKeys::sayWhere);
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Nothing else on the table takes the focus, so Tab leaves it on the grid, unsaid.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            QMetaObject::invokeMethod(this, &TableKeys::sayFocus, Qt::QueuedConnection);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && keyPressed(key->key()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool TableKeys::keyPressed(int key) {
    switch (key) {
    case Qt::Key_H:
        jumpHome();
        return true;
    case Qt::Key_N:
        jumpToNextFaceDown();
        return true;
    case Qt::Key_W:
        m_announcer->addDetail(m_answers.talon());
        return true;
    case Qt::Key_R:
        m_announcer->addDetail(m_answers.rows());
        return true;
    case Qt::Key_F:
        m_announcer->addDetail(m_answers.firstCell());
        return true;
    case Qt::Key_D:
        m_announcer->addDetail(m_answers.faceDown());
        return true;
    case Qt::Key_S:
        m_announcer->addDetail(m_answers.summary());
        return true;
    case Qt::Key_L:
        m_announcer->addDetail(m_answers.row(m_cursor->row()));
        return true;
    default:
        return false;
    }
}

void TableKeys::sayWhere(int row, int col) {
    m_announcer->addDetail(m_answers.cell(row, col));
}

void TableKeys::sayFocus() {
    if (m_grid->hasFocus())
        m_announcer->addDetail(m_answers.focus(m_cursor->row(), m_cursor->column()));
}

void TableKeys::jumpHome() {
    const auto cell = vestorine::talonJump(m_game, m_cursor->row());
    if (!cell) {
        m_announcer->addDetail(m_answers.talon());
        return;
    }
    m_cursor->show();
    if (cell->row == m_cursor->row() && cell->col == m_cursor->column())
        sayWhere(cell->row, cell->col);
    else
        m_cursor->jumpTo(cell->row, cell->col);
}

// The next face-down cell after the cursor, reading row by row and starting over at the top.
void TableKeys::jumpToNextFaceDown() {
    const auto cells = vestorine::faceDownCells(m_game);
    if (cells.empty() || m_game.phase() == vestorine::GamePhase::CarryingTalon) {
        m_announcer->addDetail(m_game.phase() == vestorine::GamePhase::CarryingTalon
                                   ? m_answers.talon()
                                   : m_answers.faceDown());
        return;
    }
    const int here = (m_cursor->row() - 1) * vestorine::ColumnCount + m_cursor->column() - 1;
    for (const auto& cell : cells) {
        if ((cell.row - 1) * vestorine::ColumnCount + cell.col - 1 > here) {
            m_cursor->jumpTo(cell.row, cell.col);
            return;
        }
    }
    m_cursor->jumpTo(cells.front().row, cells.front().col);
}
