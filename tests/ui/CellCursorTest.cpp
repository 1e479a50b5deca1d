#include <gtest/gtest.h>

#include "TableQuestions.h"
#include "table/CellCursor.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {

// A bare 4 × 8 grid with the cursor over it, the columns keyed as the main window keys them.
class CellCursorTest : public ::testing::Test {
protected:
    CellCursorTest() {
        grid->setGeometry(0, 0, 8 * 20, 4 * 20);
        cursor->setColumnKeys(vestorine::columnOfRankKey);
        cursor->moveTo(2, 5);
    }

    std::pair<int, int> at() const { return {cursor->row(), cursor->column()}; }

    QWidget window;
    QWidget* grid = new QWidget(&window);
    CellCursor* cursor = new CellCursor(
        grid, 4, 8, [](int row, int col) { return QRect((col - 1) * 20, (row - 1) * 20, 20, 20); });
};

} // namespace

TEST_F(CellCursorTest, JumpKeysLandOnTheirCell) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::pair<int, int> cell;
    };
    const std::vector<Case> cases{
        {Qt::Key_Home, Qt::NoModifier, {2, 1}},      {Qt::Key_End, Qt::NoModifier, {2, 8}},
        {Qt::Key_Home, Qt::ControlModifier, {1, 1}}, {Qt::Key_End, Qt::ControlModifier, {4, 8}},
        {Qt::Key_A, Qt::NoModifier, {2, 1}},         {Qt::Key_K, Qt::ShiftModifier, {2, 2}},
        {Qt::Key_Q, Qt::NoModifier, {2, 3}},         {Qt::Key_J, Qt::NoModifier, {2, 4}},
        {Qt::Key_T, Qt::NoModifier, {2, 5}},         {Qt::Key_1, Qt::NoModifier, {2, 5}},
        {Qt::Key_9, Qt::NoModifier, {2, 6}},         {Qt::Key_8, Qt::NoModifier, {2, 7}},
        {Qt::Key_7, Qt::NoModifier, {2, 8}},         {Qt::Key_X, Qt::NoModifier, {2, 5}},
        {Qt::Key_A, Qt::ControlModifier, {2, 5}},
    };
    for (const auto& [key, modifiers, cell] : cases) {
        cursor->moveTo(2, 5);
        QTest::keyClick(grid, key, modifiers);
        EXPECT_EQ(at(), cell) << key << " " << modifiers;
    }
}

TEST_F(CellCursorTest, ArrowsAtTheEdgeSayEdgeAndJumpsSayWhere) {
    QSignalSpy edges(cursor, &CellCursor::edge);
    QSignalSpy moves(cursor, &CellCursor::moved);
    cursor->moveTo(1, 1);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Home); // already there: no move, and no edge word either
    EXPECT_EQ(edges.count(), 2);
    EXPECT_EQ(moves.count(), 0);
    cursor->hide();
    cursor->jumpTo(3, 4);
    EXPECT_TRUE(cursor->isVisibleTo(&window));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves.front(), (QVariantList{3, 4}));
}
