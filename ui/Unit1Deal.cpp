#include "Unit1.h"

#include "CardBack.h"
#include "CardDraw.h"
#include "GameSession.h"
#include "GameState.h"
#include "UnitLoto.h"
#include "access/StatusAnnouncer.h"
#include "access/TableCells.h"
#include "common/Colours.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"
#include "table/HeldTimers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <utility>

namespace {

constexpr int DealPointSize = 14;

} // namespace

void TForm1::MenuDeal32Click() {
    runDeal(0);
}

void TForm1::runDeal(int number) {
    m_dealing = true;
    dealCards(number);
    m_dealing = false;
    // Posted, so they run after the input held during the deal that came before them.
    for (auto& action : std::exchange(m_afterDeal, {}))
        QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
}

void TForm1::outsideDeal(std::function<void()> action) {
    if (m_dealing)
        m_afterDeal.push_back(std::move(action));
    else
        action();
}

void TForm1::dealCards(int number) {
    if (m_loto)
        m_loto->hide();
    m_cells->setDealing(true);
    paintAllPlaceholders();
    // A tick during the deal would blank or restore an old status over the new one.
    TimerBlinking->stop();
    m_session->beginDeal(number);
    // Said at once: the cards take a while, and the next words come only once they lie.
    m_announcer->announceNow(texts::announce(m_game.Language()).dealing);
    showDealNumber();
    ImageTalon->hide();
    LabelCartes->show();
    ImageTalon->move(m_geometry.talonHome().topLeft());
    showStatus();
    setStatusFont(DealPointSize);

    // Their ticks wait for the end of the deal, as they would with no event loop running.
    const HeldTimers held({TimerBlinking, m_loto ? m_loto->TimerLoto : nullptr});
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        for (int col = 1; col <= vestorine::ColumnCount; ++col) {
            paintBack(row, col);
            Delay(m_dealDelay);
            repaint();
        }
    }
    m_cells->setDealing(false);
    m_session->endDeal();
    showStatus();
}

void TForm1::Delay(int ms) {
    // The loop keeps answering the window system and the accessibility bus, but clicks and keys
    // made meanwhile stay queued and are handled, in order, once the cards lie on the table.
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (qint64 left = ms; left > 0; left = ms - clock.elapsed()) {
        wake.start(static_cast<int>(left));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
}

void TForm1::TimerBlinkingTimer() {
    if (!LabelInfo->text().isEmpty()) {
        SavedInfoText = LabelInfo->text();
        LabelInfo->setText(texts::status(vestorine::MsgBlank, m_game.Language()));
    } else {
        LabelInfo->setText(SavedInfoText);
    }
}

void TForm1::startBlinking() {
    // A running blink keeps its rhythm.
    if (!TimerBlinking->isActive())
        TimerBlinking->start();
}

void TForm1::showStatus() {
    LabelInfo->setText(texts::status(m_game.MessageIndex(), m_game.Language()));
    m_announcer->setMessage(LabelInfo->text());
}

void TForm1::setStatusFont(int points) {
    colours::set(LabelInfo, QPalette::WindowText, StatusColour);
    if (points > 0) {
        QFont font = LabelInfo->font();
        font.setPointSize(points);
        LabelInfo->setFont(font);
    }
}

void TForm1::paintPlaceholder(int row, int col) {
    const QRect cell = m_geometry.cellRect(row, col);
    ImageJeu->drawCard(cell.x(), cell.y(), CardWidth, CardHeight, cards::Placeholder,
                       cards::FaceDown, TableColour);
    m_cells->painted(row, col, vestorine::EmptyCell);
}

void TForm1::paintFace(int row, int col, int card) {
    const QRect cell = m_geometry.cellRect(row, col);
    ImageJeu->drawCard(cell.x(), cell.y(), CardWidth, CardHeight, card, cards::FaceUp, FaceColour);
    m_cells->painted(row, col, card);
}

void TForm1::paintBack(int row, int col) {
    const QRect cell = m_geometry.cellRect(row, col);
    ImageJeu->drawCard(cell.x(), cell.y(), CardWidth, CardHeight, m_back.Back, cards::FaceDown,
                       m_back.BackColor);
    m_cells->painted(row, col, TableCells::FaceDown);
}

void TForm1::paintTalon(int card) {
    ImageTalon->drawCard(0, 0, CardWidth, CardHeight, card, cards::FaceUp, FaceColour);
    m_cells->talonPainted(card);
}

void TForm1::paintAllPlaceholders() {
    for (int row = 1; row <= vestorine::RowCount; ++row)
        for (int col = 1; col <= vestorine::ColumnCount; ++col)
            paintPlaceholder(row, col);
}
