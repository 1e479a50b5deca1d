#include "TableFixture.h"

#include "access/GridAccessible.h"
#include "access/StatusAnnouncer.h"
#include "table/CellCursor.h"

#include <QAccessible>
#include <QCoreApplication>
#include <private/qhighdpiscaling_p.h>

#include <tuple>
#include <vector>

namespace {

using vestorine::English;
using vestorine::French;

class AccessibleTableTest : public TableTest {
protected:
    AccessibleTableTest() { activate(); }
    StatusAnnouncer* announcer() { return info()->findChild<StatusAnnouncer*>(); }
    // What the latest announcement said, once the turn of the event loop is over.
    std::string announced() {
        QCoreApplication::processEvents();
        return announcer()->announcement().toStdString();
    }
    static std::string said(const QString& text) { return text.toStdString(); }

    QAccessibleInterface* grid() { return QAccessible::queryAccessibleInterface(jeu()); }
    // Cells are counted row by row.
    QAccessibleInterface* cellAt(int row, int col) {
        return grid()->child((row - 1) * vestorine::ColumnCount + col - 1);
    }
    QString cellName(int row, int col) { return cellAt(row, col)->text(QAccessible::Name); }
    static QString name(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
};

// Without the table interface, so that a move up or down reads one cell, not a whole row: the
// grid's name gives its shape, each cell's name its place.
TEST_F(AccessibleTableTest, GridIsATableOfCellsNamedByWhatWasPainted) {
    ASSERT_EQ(grid()->role(), QAccessible::Table);
    ASSERT_EQ(grid()->childCount(), vestorine::CellCount);
    EXPECT_EQ(grid()->tableInterface(), nullptr);
    EXPECT_EQ(grid()->text(QAccessible::Name), "grille des cartes, 4 rangées de 8 cases");
    EXPECT_EQ(
        grid()->text(QAccessible::Description),
        "F2 ou Ctrl+N distribue. Les touches sont dans le menu ?, Clavier et lecteur d'écran.");
    QAccessibleInterface* cell = cellAt(2, 3);
    EXPECT_EQ(cell->role(), QAccessible::ListItem); // a screen reader brailles an item alone
    EXPECT_EQ(cell->parent(), grid());
    EXPECT_EQ(grid()->indexOfChild(cell), 10);
    EXPECT_EQ(cell->tableCellInterface(), nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "rangée 2, colonne 3 : vide");
    // The mouse's strict test: the corner pixel belongs to no cell, the next one inward does.
    const QPoint corner = jeu()->mapToGlobal(geometry.cellRect(2, 3).topLeft());
    EXPECT_EQ(grid()->childAt(corner.x(), corner.y()), nullptr);
    EXPECT_EQ(grid()->childAt(corner.x() + 1, corner.y() + 1), cell);

    struct Named {
        int row;
        int col;
        const char* english;
        const char* french;
    };
    auto expectNames = [&](std::initializer_list<Named> names) {
        for (const int language : {English, French}) {
            switchTo(language);
            for (const Named& n : names)
                EXPECT_EQ(cellName(n.row, n.col),
                          QString::fromUtf8(language == English ? n.english : n.french));
        }
    };
    // In the full chain the king of clubs lies in (1, 1) and goes home to (1, 2).
    deal(layouts::fullChain());
    expectNames({{1, 1, "row 1, column 1: face down", "rangée 1, colonne 1 : face cachée"}});
    clickCell(1, 1);
    expectNames({{1, 1, "row 1, column 1: empty", "rangée 1, colonne 1 : vide"}});
    dropOnCell(1, 2);
    expectNames({{1, 2, "row 1, column 2: king of clubs", "rangée 1, colonne 2 : roi de trèfle"}});

    // A new deal hides the first one's faces; a reveal names the card it turned up.
    deal(layouts::allHome());
    clickCell(1, 1);
    dropOnCell(1, 1);
    clickCell(2, 3);
    expectNames({
        {1, 1, "row 1, column 1: ace of clubs", "rangée 1, colonne 1 : as de trèfle"},
        {1, 2, "row 1, column 2: face down", "rangée 1, colonne 2 : face cachée"},
        {2, 3, "row 2, column 3: queen of diamonds", "rangée 2, colonne 3 : dame de carreau"},
    });
}

TEST_F(AccessibleTableTest, TalonSaysWhichRowItsSuitOwns) {
    const Layout layout = layouts::fullChain();
    deal(layout);
    clickCell(1, 1);
    EXPECT_EQ(name(talon()), "talon : roi de trèfle");
    EXPECT_EQ(talon()->accessibleDescription(), "sa couleur ne tient encore aucune rangée");
    dropOnCell(1, 2); // the king claims row 1 for clubs; the queen of clubs comes up
    switchTo(English);
    EXPECT_EQ(name(talon()), "talon: queen of clubs");
    EXPECT_EQ(talon()->accessibleDescription(), "its suit owns row 1");
    EXPECT_EQ(name(dealButton()), "Deal");
}

TEST_F(AccessibleTableTest, StatusKeepsItsMessageThroughTheBlinkAndAnnouncesEachNewOne) {
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(info());
    EXPECT_EQ(line->role(), QAccessible::StatusBar);
    ASSERT_EQ(line->childCount(), 1);
    EXPECT_EQ(line->child(0)->role(), QAccessible::Notification);

    deal(layouts::allHome());
    EXPECT_EQ(announced(), said(message(2)));
    // The words in a label inside, where a screen reader's braille looks for them.
    EXPECT_EQ(line->child(0)->text(QAccessible::Name), "");
    ASSERT_EQ(line->child(0)->childCount(), 1);
    EXPECT_EQ(line->child(0)->child(0)->role(), QAccessible::StaticText);
    EXPECT_EQ(line->child(0)->child(0)->parent(), line->child(0));
    EXPECT_EQ(line->child(0)->child(0)->text(QAccessible::Name), message(2));
    key(Qt::Key_Return);
    announced();
    key(Qt::Key_Return);
    ASSERT_TRUE(blink()->isActive());
    // One announcement for the action: the place of the card laid, then the new message.
    EXPECT_EQ(announced(), said("posée rangée 1, colonne 1. " + message(4)));

    const int count = announcer()->announcementCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status().isEmpty(); }));
    EXPECT_EQ(name(info()), message(4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !status().isEmpty(); }));
    EXPECT_EQ(name(info()), message(4));
    EXPECT_EQ(announcer()->announcementCount(), count);
}

TEST_F(AccessibleTableTest, CursorCellIsTheFocusAndActionsAnnounceItsNewName) {
    deal(layouts::fullChain());
    key(Qt::Key_Down);
    QAccessibleInterface* focus = grid()->focusChild();
    ASSERT_EQ(focus, cellAt(2, 1));
    EXPECT_TRUE(focus->state().focused);
    EXPECT_FALSE(cellAt(1, 1)->state().focused);

    key(Qt::Key_Return); // picks the king of diamonds, whose home is (2, 2)
    EXPECT_EQ(announced(), said("roi de carreau va en colonne 2, une rangée libre : 1, 2, 3 ou 4. "
                                "rangée 2, colonne 1 : vide. " +
                                message(3)));
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Return); // a carry onto the wrong cell changes nothing, and says where it goes
    EXPECT_EQ(announced(), said("roi de carreau va en colonne 2, une rangée libre : 1, 2, 3 ou 4"));
}

} // namespace

// Keys that start something long, or find nothing to do, answer at once in either language.
TEST_F(AccessibleTableTest, DealAndResumeAnswerAtOnce) {
    QTemporaryDir empty;
    form.session().setDataFolder(empty.path());
    form.session().lookForLeftGame();
    for (const auto& [language, nothing, dealing] :
         {std::tuple{vestorine::English, "No unfinished game to resume", "Dealing the cards"},
          {vestorine::French, "Aucune partie en cours à reprendre", "Distribution des cartes"}}) {
        switchTo(language);
        QTest::keyClick(jeu(), Qt::Key_R, Qt::ControlModifier);
        EXPECT_EQ(announced().rfind(nothing, 0), 0u) << announced();
        std::string whileDealing;
        form.setDealDelay(1); // a timer's turn comes in the pauses of the deal
        QTimer::singleShot(0, [&] { whileDealing = announcer()->announcement().toStdString(); });
        deal(layouts::allHome());
        EXPECT_EQ(whileDealing, dealing) << "before the last card lies";
    }
}

// A reader asking in the middle of a deal, as when the focus comes back from the menu that
// started it, hears the new deal's cards, not the placeholders they are covering.
TEST_F(AccessibleTableTest, CellsReadAsDealtWhileTheDealLaysThem) {
    QString whileDealing;
    form.setDealDelay(1);
    QTimer::singleShot(0, [&] { whileDealing = cellName(4, 8); });
    deal(layouts::allHome());
    EXPECT_EQ(whileDealing, cellName(4, 8));
}
