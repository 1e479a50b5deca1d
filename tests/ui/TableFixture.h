#pragma once

#include "CardBack.h"
#include "CardDraw.h"
#include "CardPixels.h"
#include "GameSession.h"
#include "GameState.h"
#include "ProgramWindows.h"
#include "ScriptedRandom.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"
#include "table/TableGeometry.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>

using Layout = std::array<int, vestorine::CellCount>;

inline int cardWidth() {
    int w = 0;
    int h = 0;
    cards::cdtInit(w, h);
    return w;
}

inline int cardHeight() {
    int w = 0;
    int h = 0;
    cards::cdtInit(w, h);
    return h;
}

// The program's windows as they start, a scripted deck and no pause between dealt cards.
// Mouse events go to the control a real pointer grab would deliver them to.
class TableTest : public ::testing::Test {
protected:
    TableTest() {
        back.chooseCrosshatch(2); // a fixed back: a deal draws nothing but the shuffle
        form.setDealDelay(0);
        form.session().setSettingsFolder(settingsDir.path());
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <class T> T* control(const char* name) {
        T* found = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    CardImage* jeu() { return control<CardImage>("ImageJeu"); }
    CardImage* talon() { return control<CardImage>("ImageTalon"); }
    QLabel* info() { return control<QLabel>("LabelInfo"); }
    QTimer* blink() { return control<QTimer>("TimerBlinking"); }
    QToolButton* dealButton() { return control<QToolButton>("SpeedButtonDeal"); }

    void deal(const Layout& layout) {
        random.scriptDeal(layout);
        QTest::mouseClick(dealButton(), Qt::LeftButton);
    }

    // A point of the grid picture.
    void clickGrid(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(jeu(), button, {}, point);
    }
    void clickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        clickGrid(geometry.cellRect(row, col).center(), button);
    }

    // Keys go to the grid of the active window.
    void activate() {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void key(Qt::Key k) { QTest::keyClick(jeu(), k); }
    // The arrows stop at the edges: pushed up and left far enough, the walk starts at (1, 1).
    void goTo(int row, int col) {
        for (int i = 1; i < vestorine::ColumnCount; ++i) {
            key(Qt::Key_Up);
            key(Qt::Key_Left);
        }
        for (int i = 1; i < row; ++i)
            key(Qt::Key_Down);
        for (int i = 1; i < col; ++i)
            key(Qt::Key_Right);
    }
    void press(int row, int col, Qt::Key k = Qt::Key_Return) {
        goTo(row, col);
        key(k);
    }
    void switchTo(int language) {
        control<QAction>(language == vestorine::English ? "MenuEnglish" : "MenuFrancais")
            ->trigger();
    }

    // Presses the talon at `grab` (talon coordinates), carries the pointer to `to` (window
    // client coordinates) and releases it there.
    void dragTalon(QPoint grab, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        CardImage* t = talon();
        QTest::mousePress(t, button, {}, grab);
        QTest::mouseMove(t, to - t->pos());
        QTest::mouseRelease(t, button, {}, to - t->pos());
    }
    // Drops the talon, grabbed by its centre, with the centre on `centre` (window client
    // coordinates).
    void dropCentreAt(QPoint centre, Qt::MouseButton button = Qt::LeftButton) {
        dragTalon(centreOffset(), centre, button);
    }
    void dropOnCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        dropCentreAt(geometry.gridRect().topLeft() + geometry.cellRect(row, col).center(), button);
    }
    QPoint centreOffset() const {
        return {TableGeometry::halfToEven(geometry.cardWidth()),
                TableGeometry::halfToEven(geometry.cardHeight())};
    }

    QImage cellImage(int row, int col) {
        const QPixmap& picture = jeu()->picture();
        const qreal ratio = picture.devicePixelRatio();
        const QRectF cell = geometry.cellRect(row, col);
        QImage image = picture.toImage().copy(
            QRectF(cell.topLeft() * ratio, cell.size() * ratio).toAlignedRect());
        image.setDevicePixelRatio(ratio);
        return image;
    }
    ::testing::AssertionResult showsFace(int row, int col, int card) {
        return showsPicture(cellImage(row, col), card, cards::FaceUp, 0xFFFFFF);
    }
    ::testing::AssertionResult showsBack(int row, int col) {
        return showsPicture(cellImage(row, col), back.Back, cards::FaceDown, back.BackColor);
    }
    ::testing::AssertionResult showsPlaceholder(int row, int col) {
        return showsPicture(cellImage(row, col), cards::Placeholder, cards::FaceDown, 0x008000);
    }
    ::testing::AssertionResult talonShows(int card) {
        return showsPicture(talon()->picture().toImage(), card, cards::FaceUp, 0xFFFFFF);
    }

    static QString message(int index) { return texts::status(index, vestorine::French); }
    QString status() { return info()->text(); }
    int statusPoints() { return info()->font().pointSize(); }
    QColor statusColour() { return info()->palette().color(QPalette::WindowText); }

    QTemporaryDir settingsDir;
    ScriptedRandom random;
    vestorine::CardBackChoice back;
    vestorine::GameState game{back, random};
    ProgramWindows windows{game, back, random};
    TForm1& form = windows.form1;
    TFormApropos& apropos = windows.apropos;
    TFormDos& dos = windows.dos;
    TFormLoto& loto = windows.loto;
    TFormStats& stats = windows.stats;
    TableGeometry geometry{cardWidth(), cardHeight()};
};
