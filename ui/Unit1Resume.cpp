#include "Unit1.h"

#include "GameEvents.h"
#include "GameFile.h"
#include "GameState.h"
#include "StatisticsKeeper.h"
#include "UnitLoto.h"
#include "access/StatusAnnouncer.h"
#include "access/TableCells.h"
#include "common/ErrorBox.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include <utility>

namespace {

// The size the deal gives the status; a closed chain with cards left keeps it.
constexpr int PlayPointSize = 14;

bool started(vestorine::GamePhase phase) {
    return phase == vestorine::GamePhase::CarryingTalon || phase == vestorine::GamePhase::Revealing;
}

} // namespace

void TForm1::MenuResumeClick() {
    const gamefile::Unfinished left = gamefile::findUnfinished(m_statistics->folder());
    tellSetAside(left.setAside);
    if (left.found) {
        // Under the lock of the file found, so that no other copy resumes the same game.
        gamefile::takeOver(left.path, [this, &left] {
            record(vestorine::interruptionEvent(m_game.phase()));
            m_game.restore(left.record);
            // The same game goes on: it counted when it started and counts again only at its end.
            m_statistics->resumed(started(m_game.phase()));
            paintResumed();
            saveGame();
            return true;
        });
    }
    refreshResume();
}

void TForm1::paintResumed() {
    if (m_loto)
        m_loto->hide();
    TimerBlinking->stop();
    const bool carrying = m_game.phase() == vestorine::GamePhase::CarryingTalon;
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        for (int col = 1; col <= vestorine::ColumnCount; ++col) {
            // The first card left its cell when it was turned up, though it stays in the game.
            const bool first = row == m_game.FirstRow() && col == m_game.FirstCol();
            if (m_game.Tableau(row, col) != vestorine::EmptyCell && !(carrying && first))
                paintBack(row, col);
            else if (m_game.FaceUp(row, col) != vestorine::EmptyCell)
                paintFaceOver(row, col, first);
            else
                paintPlaceholder(row, col);
        }
    }
    ImageTalon->move(m_geometry.talonHome().topLeft());
    ImageTalon->setVisible(carrying);
    if (carrying)
        paintTalon(m_game.CurrentCard());
    LabelCartes->show();
    setStatusFont(PlayPointSize);
    showStatus();
    if (m_game.phase() == vestorine::GamePhase::Revealing)
        startBlinking();
    repaint();
}

void TForm1::paintFaceOver(int row, int col, bool first) {
    // A face is drawn over what the cell showed before, as in play: its corners keep it.
    if (first)
        paintPlaceholder(row, col);
    else
        paintBack(row, col);
    paintFace(row, col, m_game.FaceUp(row, col));
}

void TForm1::saveGame() {
    const vestorine::GamePhase phase = m_game.phase();
    if (phase == vestorine::GamePhase::NotDealt || phase == vestorine::GamePhase::Over) {
        if (m_gameFile)
            m_gameFile->remove();
        return;
    }
    // A lock that could not be taken (no folder yet, say) is tried again with a new file.
    if (!m_gameFile || !m_gameFile->held())
        m_gameFile = std::make_unique<GameFile>(m_statistics->folder());
    const fileaccess::WriteResult written = m_gameFile->save(m_game.snapshot());
    if (written.ok() || std::exchange(m_gameWriteFailing, true)) {
        m_gameWriteFailing = !written.ok();
        return;
    }
    const int language = m_game.Language();
    fileProblem({}, texts::text(texts::files(language).gameNotWritten)
                        .arg(written.path, texts::cause(language, written.error)));
}

void TForm1::refreshResume() {
    const gamefile::Unfinished left = gamefile::findUnfinished(m_statistics->folder());
    tellSetAside(left.setAside);
    MenuResume->setEnabled(left.found);
}

void TForm1::replaceLeftGame() {
    const vestorine::GamePhase phase = m_game.phase();
    if (phase != vestorine::GamePhase::NotDealt && phase != vestorine::GamePhase::Over)
        return; // the deal replaces this copy's own game
    const gamefile::Unfinished left = gamefile::findUnfinished(m_statistics->folder());
    tellSetAside(left.setAside);
    if (!left.found)
        return;
    gamefile::takeOver(left.path, [this, &left] {
        if (vestorine::replacedGameEvent(left.record))
            m_statistics->leftGameAbandoned();
        return true;
    });
}

void TForm1::tellSetAside(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    fileProblem({}, texts::text(texts::files(m_game.Language()).gamesSetAside)
                        .arg(paths.join(QLatin1Char('\n'))));
}

void TForm1::fileProblem(const QString& firstLines, const QString& explanation) {
    errorbox::show(this, texts::text(texts::errors().title),
                   firstLines.isEmpty() ? explanation : firstLines + u'\n' + explanation);
}

void TForm1::endBySignal() {
    if (m_ending)
        return;
    m_ending = true;
    QCoreApplication::exit(0);
}
