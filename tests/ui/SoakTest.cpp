// Thousands of whole games played through the real main window by random input. After every
// event the grid and the talon must show what the game state says, and memory must stay flat.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <random>

#include "CardBack.h"
#include "CardDraw.h"
#include "GameState.h"
#include "ProgramWindows.h"
#include "SeededRandom.h"
#include "table/CardImage.h"
#include "table/TableGeometry.h"

using namespace vestorine;

namespace {

// One picture as the card library paints it.
struct Picture {
    int card = Placeholder;
    int mode = cards::FaceDown;
    quint32 colour = 0x008000;
    static constexpr int Placeholder = cards::Placeholder;
    bool operator==(const Picture&) const = default;
};

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

class Soak : public ::testing::Test {
protected:
    Soak() {
        form.setDealDelay(0);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        jeu = form.findChild<CardImage*>(QStringLiteral("ImageJeu"));
        talon = form.findChild<CardImage*>(QStringLiteral("ImageTalon"));
        dealButton = form.findChild<QToolButton*>(QStringLiteral("SpeedButtonDeal"));
        shown.fill(Picture{});
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(input); }

    // Only the inside of a picture is compared: rounded corners let older pictures show.
    QImage inner(const QImage& image) const {
        const int inset = 6;
        return image.copy(inset, inset, image.width() - 2 * inset, image.height() - 2 * inset)
            .convertToFormat(QImage::Format_RGB32);
    }
    const QImage& reference(const Picture& p) {
        const quint64 key = (quint64(p.card) << 40) | (quint64(p.mode) << 32) | p.colour;
        auto found = references.find(key);
        if (found == references.end()) {
            QImage image(geometry.cardWidth(), geometry.cardHeight(), QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            cards::cdtDrawExt(painter, 0, 0, image.width(), image.height(), p.card, p.mode,
                              p.colour);
            painter.end();
            found = references.emplace(key, inner(image)).first;
        }
        return found->second;
    }

    void event();
    void dealNow();
    void clickAnywhere();
    void clickCell();
    void dragTalon();
    void changeBack();
    void playLottery();
    void checkTable();

    SeededRandom random{2026};
    CardBackChoice back;
    GameState game{back, random};
    ProgramWindows windows{game, back, random};
    TForm1& form = windows.form1;
    TFormApropos& apropos = windows.apropos;
    TFormDos& dos = windows.dos;
    TFormLoto& loto = windows.loto;
    TableGeometry geometry{71, 96};
    CardImage* jeu = nullptr;
    CardImage* talon = nullptr;
    QToolButton* dealButton = nullptr;

    std::mt19937 input{7};
    std::map<quint64, QImage> references;
    // What each cell should show, as the player saw the cards go down.
    std::array<Picture, CellCount> shown{};
    Picture dealtBack;
    bool everDealt = false;
    int deals = 0;
    long events = 0;
};

void Soak::dealNow() {
    QTest::mouseClick(dealButton, Qt::LeftButton);
    dealtBack = {back.Back, cards::FaceDown, back.BackColor};
    shown.fill(dealtBack);
    everDealt = true;
    ++deals;
}

// A click on whatever lies under a random point of the window.
void Soak::clickAnywhere() {
    QWidget* central = form.centralWidget();
    const QPoint at(pick(0, central->width() - 1), pick(0, central->height() - 1));
    QWidget* target = central->childAt(at);
    if (target == dealButton)
        return dealNow();
    if (!target)
        target = central;
    const int before[2] = {game.Revealing(), game.Picked()};
    std::array<int, CellCount> cells{};
    for (int i = 0; i < CellCount; ++i)
        cells[i] = game.Tableau(i / 8 + 1, i % 8 + 1);
    QTest::mouseClick(target, Qt::MouseButton(1 << pick(0, 2)), {}, target->mapFrom(central, at));
    for (int i = 0; i < CellCount; ++i) {
        const int now = game.Tableau(i / 8 + 1, i % 8 + 1);
        if (before[0] && cells[i] != EmptyCell && now == EmptyCell)
            shown[i] = {cells[i], cards::FaceUp, 0xFFFFFF};
    }
    if (!before[1] && game.Picked())
        shown[(game.FirstRow() - 1) * 8 + game.FirstCol() - 1] = Picture{};
}

// A click in the middle of a random cell: turns up the first card or a remaining one.
void Soak::clickCell() {
    const int row = pick(1, RowCount);
    const int col = pick(1, ColumnCount);
    const int card = game.Tableau(row, col);
    const bool picking = game.Dealt() && !game.Picked();
    const bool revealing = game.Dealt() && game.Revealing() && card != EmptyCell;
    QTest::mouseClick(jeu, Qt::LeftButton, {}, geometry.cellRect(row, col).center());
    Picture& cell = shown[(row - 1) * 8 + col - 1];
    if (picking)
        cell = Picture{};
    else if (revealing)
        cell = {card, cards::FaceUp, 0xFFFFFF};
}

// Grabs the talon anywhere and drops it, mostly with its centre over a cell of its rank.
void Soak::dragTalon() {
    const QPoint grab(pick(0, geometry.cardWidth() - 1), pick(0, geometry.cardHeight() - 1));
    QPoint centre(pick(0, form.centralWidget()->width()), pick(0, form.centralWidget()->height()));
    int col = pick(1, ColumnCount);
    for (int c = 1; c <= ColumnCount; ++c)
        if (belongsToColumn(game.CurrentCard(), c) && pick(0, 3) != 0)
            col = c;
    if (pick(0, 4) != 0)
        centre = geometry.gridRect().topLeft() + geometry.cellRect(pick(1, RowCount), col).center();
    const QPoint offset(TableGeometry::halfToEven(geometry.cardWidth()),
                        TableGeometry::halfToEven(geometry.cardHeight()));
    const int talonCard = game.CurrentCard();
    const auto target = geometry.cellAtWindow(centre);
    const int before = target ? game.Tableau(target->row, target->col) : 0;
    const Qt::MouseButton button = Qt::MouseButton(1 << pick(0, 2));
    QTest::mousePress(talon, button, {}, grab);
    QTest::mouseMove(talon, centre - offset + grab - talon->pos());
    QTest::mouseRelease(talon, button, {}, centre - offset + grab - talon->pos());
    if (target && before != EmptyCell && game.Tableau(target->row, target->col) == EmptyCell)
        shown[(target->row - 1) * 8 + target->col - 1] = {talonCard, cards::FaceUp, 0xFFFFFF};
}

void Soak::changeBack() {
    form.findChild<QAction*>(QStringLiteral("MenuDos"))->trigger();
    const QPoint at(pick(0, dos.width() - 1), pick(0, dos.height() - 1));
    QWidget* target = dos.childAt(at);
    if (target)
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&dos, at));
    dos.hide();
}

void Soak::playLottery() {
    QTest::keyClick(&form, Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(loto.isVisible());
    QPushButton* button = loto.Buttons[0];
    QTest::mousePress(button, Qt::LeftButton);
    // Held until the number has spun at least once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return loto.LotoNumbers(1) != 0; }));
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_FALSE(loto.Buttons[0]->isEnabled());
    EXPECT_TRUE(loto.Buttons[1]->isEnabled());
    loto.hide();
}

void Soak::event() {
    ++events;
    const bool over = game.MessageIndex() == MsgWon || game.MessageIndex() == MsgLost;
    if (!everDealt || (over && pick(0, 3) == 0))
        return dealNow();
    const int roll = pick(0, 999);
    if (roll < 15)
        dealNow();
    else if (roll < 25)
        form.findChild<QAction*>(pick(0, 1) ? "MenuEnglish" : "MenuFrancais")->trigger();
    else if (roll < 32)
        changeBack();
    else if (roll < 34)
        playLottery();
    else if (roll < 300)
        clickAnywhere();
    else if (roll < 600)
        clickCell();
    else
        dragTalon();
}

void Soak::checkTable() {
    const bool chain = game.Picked() && !game.Revealing();
    const QImage grid = jeu->picture().toImage();
    for (int i = 0; i < CellCount; ++i) {
        const QRect cell = geometry.cellRect(i / 8 + 1, i % 8 + 1);
        ASSERT_EQ(inner(grid.copy(cell)), reference(shown[i]))
            << "cell " << i << " after event " << events << ", deal " << deals;
    }
    ASSERT_EQ(talon->isVisible(), !everDealt || chain) << "event " << events;
    ASSERT_EQ(talon->pos(), geometry.talonHome().topLeft());
    if (chain) {
        ASSERT_EQ(inner(talon->picture().toImage()),
                  reference({game.CurrentCard(), cards::FaceUp, 0xFFFFFF}))
            << "talon after event " << events;
    }
}

} // namespace

TEST_F(Soak, TwoThousandGamesKeepTheTableTrueAndMemoryFlat) {
    const int games = qEnvironmentVariableIntValue("VESTORINE_SOAK_GAMES") > 0
                          ? qEnvironmentVariableIntValue("VESTORINE_SOAK_GAMES")
                          : 2000;
    long memoryAtGame100 = 0;
    while (deals <= games) {
        event();
        ASSERT_NO_FATAL_FAILURE(checkTable());
        if (deals == 100 && memoryAtGame100 == 0)
            memoryAtGame100 = residentKiB();
    }
    const long memoryAtEnd = residentKiB();
    std::printf("soak: %d games, %ld events, resident %ld KiB at game 100, %ld KiB at game %d\n",
                deals - 1, events, memoryAtGame100, memoryAtEnd, games);
#ifndef __SANITIZE_ADDRESS__
    // The address sanitizer keeps freed memory in quarantine: resident size means nothing there.
    EXPECT_LE(memoryAtEnd - memoryAtGame100, 2048);
#endif
}
