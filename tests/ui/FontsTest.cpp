#include "common/Fonts.h"
#include "TableFixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

namespace {

// Without the named fonts installed, fontconfig's metric aliases must give the Liberation faces,
// whose advance widths are those of the named fonts.
TEST(Fonts, NamedFamiliesFallToTheirMetricTwins) {
    const struct {
        fonts::Family family;
        const char* named;
        const char* twin;
    } cases[] = {
        {fonts::Family::TimesNewRoman, "Times New Roman", "Liberation Serif"},
        {fonts::Family::Arial, "Arial", "Liberation Sans"},
        {fonts::Family::ArialBlack, "Arial Black", "Liberation Sans"},
    };
    const QStringList installed = QFontDatabase::families();
    for (const auto& c : cases) {
        const QFont font = fonts::make(c.family, 16);
        const QString expected =
            QString::fromLatin1(installed.contains(c.named) ? c.named : c.twin);
        EXPECT_EQ(QFontInfo(font).family(), expected) << c.named;
        EXPECT_TRUE(QFontInfo(font).bold()) << c.named;
    }
}

// Each rank of the legend, laid out with blanks, must stand near the middle of its column.
TEST_F(TableTest, LegendRanksFallUnderTheirColumns) {
    const QLabel* legend = control<QLabel>("LabelCartes");
    EXPECT_EQ(QFontInfo(legend->font()).family(), "Liberation Serif");
    const QFontMetricsF metrics(legend->font());
    const QString text = legend->text();
    const QStringList ranks{"A", "K", "Q", "J", "10", "9", "8", "7"};
    qsizetype from = 0;
    for (int col = 1; col <= vestorine::ColumnCount; ++col) {
        const QString& rank = ranks[col - 1];
        const qsizetype at = text.indexOf(rank, from);
        ASSERT_GE(at, 0) << rank.toStdString();
        from = at + rank.size();
        const qreal centre = legend->x() + (metrics.horizontalAdvance(text.left(at)) +
                                            metrics.horizontalAdvance(text.left(from))) /
                                               2;
        const QRect cell = geometry.cellRect(1, col).translated(geometry.gridRect().topLeft());
        EXPECT_NEAR(centre, cell.left() + cell.width() / 2.0, cell.width() / 8.0)
            << rank.toStdString();
    }
}

} // namespace
