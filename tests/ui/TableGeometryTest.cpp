#include "table/TableGeometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace {

using Cell = TableGeometry::Cell;

TEST(TableGeometry, LaysOutTheTableForCardsOf71By96) {
    const TableGeometry g(71, 96);
    EXPECT_EQ(g.windowSize(), QSize(678, 625));
    EXPECT_EQ(g.talonHome(), QRect(10, 10, 71, 96));
    EXPECT_EQ(g.gridRect(), QRect(10, 126, 658, 414));
    EXPECT_EQ(g.legendPos(), QPoint(0, 540));
    EXPECT_EQ(g.cellRect(1, 1), QRect(0, 0, 71, 96));
    EXPECT_EQ(g.cellRect(4, 8), QRect(567, 318, 71, 96));
}

struct HitCase {
    QPoint point;
    std::optional<Cell> cell;
};

void PrintTo(const HitCase& c, std::ostream* os) {
    *os << "(" << c.point.x() << "," << c.point.y() << ")";
}

class CellAt : public ::testing::TestWithParam<HitCase> {};

TEST_P(CellAt, UsesTheStrictTest) {
    const TableGeometry g(71, 96);
    EXPECT_EQ(g.cellAt(GetParam().point), GetParam().cell);
}

INSTANTIATE_TEST_SUITE_P(
    BordersAndGaps, CellAt,
    ::testing::Values(HitCase{{1, 1}, Cell{1, 1}}, HitCase{{70, 95}, Cell{1, 1}},
                      HitCase{{0, 50}, std::nullopt},  // left border
                      HitCase{{35, 0}, std::nullopt},  // top border
                      HitCase{{71, 50}, std::nullopt}, // first pixel past the right edge
                      HitCase{{35, 96}, std::nullopt}, // first pixel past the bottom edge
                      HitCase{{76, 50}, std::nullopt}, // gap between columns
                      HitCase{{81, 50}, std::nullopt}, // left border of column 2
                      HitCase{{82, 50}, Cell{1, 2}}, HitCase{{35, 107}, Cell{2, 1}},
                      HitCase{{637, 413}, Cell{4, 8}},
                      HitCase{{645, 50}, std::nullopt})); // right of the last column

TEST(TableGeometry, WindowPointsAreShiftedByTheGridPosition) {
    const TableGeometry g(71, 96);
    EXPECT_EQ(g.cellAtWindow({11, 127}), (Cell{1, 1}));
    EXPECT_EQ(g.cellAtWindow({10, 127}), std::nullopt);
    EXPECT_EQ(g.cellAtWindow({46, 58}), std::nullopt); // the talon at home
}

TEST(TableGeometry, HalvesGoToTheEvenNeighbour) {
    struct Case {
        int length;
        int half;
    };
    for (const Case c :
         {Case{71, 36}, Case{96, 48}, Case{73, 36}, Case{1, 0}, Case{3, 2}, Case{5, 2}, Case{0, 0}})
        EXPECT_EQ(TableGeometry::halfToEven(c.length), c.half) << c.length;
}

TEST(TableGeometry, DropPointIsTheTalonsCentre) {
    EXPECT_EQ(TableGeometry::dropPoint({10, 10, 71, 96}), QPoint(46, 58));
    EXPECT_EQ(TableGeometry::dropPoint({-20, 300, 73, 97}), QPoint(16, 348));
}

} // namespace

// The back chooser's grid of four by four uses the same strict test.
TEST(GridGeometry, AnySizeOfGridKeepsTheStrictTestAndTheGap) {
    const GridGeometry chooser{QSize(71, 96), 4, 4};
    EXPECT_EQ(chooser.cellRect(4, 4), QRect(243, 318, 71, 96));
    EXPECT_EQ(chooser.cellAt({244, 319}), (Cell{4, 4}));
    EXPECT_EQ(chooser.cellAt({243, 319}), std::nullopt);
    EXPECT_EQ(chooser.cellAt({313, 413}), (Cell{4, 4}));
    EXPECT_EQ(chooser.cellAt({314, 400}), std::nullopt);
    EXPECT_EQ(chooser.cellAt({400, 50}), std::nullopt) << "no fifth column";
}
