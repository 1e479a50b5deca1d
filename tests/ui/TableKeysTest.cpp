#include "TableFixture.h"

#include "UnitKeys.h"
#include "access/StatusAnnouncer.h"
#include "table/CellCursor.h"

#include <QCoreApplication>

namespace {

using vestorine::English;
using vestorine::French;

// The table's keys for a player who cannot see it: every key answered, jumps and questions.
class TableKeysTest : public TableTest {
protected:
    TableKeysTest() { activate(); }

    StatusAnnouncer* announcer() { return info()->findChild<StatusAnnouncer*>(); }
    CellCursor* cursor() { return control<CellCursor>("CellCursor"); }
    std::pair<int, int> at() { return {cursor()->row(), cursor()->column()}; }
    // The key, then what was announced for it (nothing: an empty text).
    std::string answer(Qt::Key k) {
        QCoreApplication::processEvents(); // what earlier keys said is out of the way
        const int before = announcer()->announcementCount();
        key(k);
        QCoreApplication::processEvents();
        return announcer()->announcementCount() == before
                   ? std::string()
                   : announcer()->announcement().toStdString();
    }
};

TEST_F(TableKeysTest, EveryReturnThatDoesNothingSaysWhy) {
    struct Case {
        int language;
        const char* layout; // "chain": the king of clubs carried; "closed": the chain is closed;
                            // "lost": the game lost at the reveal; "none": no deal
        int row;
        int col;
        const char* said;
    };
    const std::vector<Case> cases{
        {English, "none", 1, 1, "no cards dealt: F2 or Ctrl+N deals"},
        {French, "none", 2, 2, "aucune donne : F2 ou Ctrl+N distribue"},
        {English, "chain", 2, 3, "queen of clubs goes to column 3, row 1"},
        {French, "chain", 1, 2, "dame de trèfle va en colonne 3, rangée 1"},
        {English, "closed", 1, 1, "empty: the first card was here"},
        {French, "closed", 1, 1, "vide : la première carte était ici"},
        {English, "lost", 2, 2, "the game is over: F2 or Ctrl+N deals again"},
    };
    for (const Case& c : cases) {
        switchTo(c.language);
        const std::string layout = c.layout;
        if (layout == "chain") {
            deal(layouts::fullChain());
            press(1, 1);
            press(1, 2); // the king home; the queen of clubs comes up, row 1 is the clubs'
        } else if (layout == "closed") {
            deal(layouts::allHome());
            press(1, 1);
            press(1, 1);
        } else if (layout == "lost") {
            deal(layouts::losing());
            press(1, 1);
            press(1, 1);
            press(2, 2); // the queen where the king belongs: lost
            press(2, 3);
        }
        goTo(c.row, c.col);
        EXPECT_EQ(answer(Qt::Key_Return), c.said) << c.layout << " " << c.row << "," << c.col;
    }
    press(2, 2);
    EXPECT_EQ(answer(Qt::Key_Space), "the game is over: F2 or Ctrl+N deals again");
}

TEST_F(TableKeysTest, JumpKeysReachTheTalonsHomeTheRanksAndTheNextFaceDownCard) {
    switchTo(English);
    deal(layouts::fullChain());
    goTo(1, 1);
    EXPECT_EQ(answer(Qt::Key_Up), "edge");
    key(Qt::Key_Return);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_H); // the king of clubs: column 2, and row 3 is free
    EXPECT_EQ(at(), std::pair(3, 2));
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(answer(Qt::Key_Return),
              "queen of clubs goes to column 3, row 1. laid in row 1, column 2");
    key(Qt::Key_End);
    key(Qt::Key_Down);
    key(Qt::Key_H); // clubs own row 1 now
    EXPECT_EQ(at(), std::pair(1, 3));
    const std::vector<std::pair<Qt::Key, int>> ranks{
        {Qt::Key_A, 1}, {Qt::Key_K, 2}, {Qt::Key_Q, 3}, {Qt::Key_J, 4}, {Qt::Key_T, 5},
        {Qt::Key_1, 5}, {Qt::Key_9, 6}, {Qt::Key_8, 7}, {Qt::Key_7, 8}};
    key(Qt::Key_Down);
    for (const auto& [k, col] : ranks) {
        key(k);
        EXPECT_EQ(at(), std::pair(2, col)) << k;
    }

    deal(layouts::allHome());
    press(1, 1);
    press(1, 1); // the chain closes at once: 31 cards face down
    key(Qt::Key_N);
    EXPECT_EQ(at(), std::pair(1, 2));
    key(Qt::Key_Return);
    key(Qt::Key_N);
    EXPECT_EQ(at(), std::pair(1, 3));
    QTest::keyClick(jeu(), Qt::Key_End, Qt::ControlModifier);
    key(Qt::Key_Return);
    key(Qt::Key_N); // past the last cell: from the top again
    EXPECT_EQ(at(), std::pair(1, 3));
}

TEST_F(TableKeysTest, KeysThatLeaveTheCursorInPlaceSayWhereItIs) {
    switchTo(English);
    deal(layouts::fullChain());
    press(1, 1); // the king of clubs: column 2, any row but the first card's
    goTo(3, 2);
    for (const Qt::Key k : {Qt::Key_H, Qt::Key_K})
        EXPECT_EQ(answer(k), "row 3, column 2: face down") << k;
    key(Qt::Key_Tab);
    QCoreApplication::processEvents(); // Tab settles the focus first, then it is said
    QCoreApplication::processEvents();
    EXPECT_EQ(announcer()->announcement(),
              "card grid, 4 rows of 8 cells. row 3, column 2: face down");
}

TEST_F(TableKeysTest, QuestionsAnswerFromTheTableInBothLanguages) {
    struct Question {
        Qt::Key key;
        const char* english;
        const char* french;
    };
    const std::vector<Question> questions{
        {Qt::Key_W, "queen of clubs goes to column 3, row 1",
         "dame de trèfle va en colonne 3, rangée 1"},
        {Qt::Key_R, "row 1 clubs, row 2 free, row 3 free, row 4 free",
         "rangée 1 trèfle, rangée 2 libre, rangée 3 libre, rangée 4 libre"},
        {Qt::Key_F, "first card: row 1, column 1", "première carte : rangée 1, colonne 1"},
        {Qt::Key_D,
         "30 cards face down. row 1: 3 4 5 6 7 8. row 2: 1 2 3 4 5 6 7 8. row 3: 1 2 3 4 5 6 7 "
         "8. row 4: 1 2 3 4 5 6 7 8",
         "30 cartes cachées. rangée 1 : 3 4 5 6 7 8. rangée 2 : 1 2 3 4 5 6 7 8. rangée 3 : 1 2 "
         "3 4 5 6 7 8. rangée 4 : 1 2 3 4 5 6 7 8"},
        {Qt::Key_L, "row 1 clubs: empty, king, down, down, down, down, down, down",
         "rangée 1 trèfle : vide, roi, cachée, cachée, cachée, cachée, cachée, cachée"},
    };
    deal(layouts::fullChain());
    press(1, 1);
    press(1, 2);
    for (const int language : {English, French}) {
        switchTo(language);
        for (const Question& q : questions)
            EXPECT_EQ(answer(q.key), language == English ? q.english : q.french) << q.key;
    }
    const std::string summary = answer(Qt::Key_S);
    EXPECT_TRUE(summary.starts_with("rangée 1 trèfle : vide, roi, cachée")) << summary;
    EXPECT_TRUE(summary.ends_with("rangée 4 : cachée, cachée, cachée, cachée, cachée, cachée, "
                                  "cachée, cachée"))
        << summary;
}

TEST_F(TableKeysTest, KeyListOpensFromTheHelpMenuAndClosesWithEscape) {
    switchTo(English);
    control<QAction>("MenuKeys")->trigger();
    auto* window = form.findChild<TFormKeys*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Keyboard and screen reader");
    EXPECT_TRUE(window->keyList().contains("H: to the talon's home cell"));
    switchTo(French);
    EXPECT_EQ(window->windowTitle(), "Clavier et lecteur d'écran");
    EXPECT_EQ(control<QAction>("MenuKeys")->text(), "Clavier et lecteur d'écran");
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
