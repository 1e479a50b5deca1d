#include <gtest/gtest.h>

#include "CardBack.h"
#include "ScriptedRandom.h"

using namespace vestorine;

TEST(CardBack, StartsWithARandomBackAndMaroonIndex) {
    const CardBackChoice choice;
    EXPECT_EQ(choice.Back, 53);
    EXPECT_EQ(choice.BackColor, 0x00FFFFu);
    EXPECT_EQ(choice.ColorIndex, 1);
    EXPECT_TRUE(choice.RandomBack);
}

TEST(CardBack, PictureBackKeepsTheCrosshatchColour) {
    CardBackChoice choice;
    choice.chooseCrosshatch(4);
    choice.choosePicture(5);
    EXPECT_EQ(choice.Back, 58);
    EXPECT_FALSE(choice.RandomBack);
    EXPECT_EQ(choice.ColorIndex, 4);
    EXPECT_EQ(choice.BackColor, 0xF0CAA6u);
}

TEST(CardBack, CrosshatchColoursComeFromTheTable) {
    const ColorValue expected[] = {0x000080, 0x0000FF, 0x00FFFF, 0xF0CAA6};
    for (int j = 1; j <= 4; ++j) {
        CardBackChoice choice;
        choice.choosePicture(12);
        choice.chooseCrosshatch(j);
        EXPECT_EQ(choice.Back, 53);
        EXPECT_EQ(choice.ColorIndex, j);
        EXPECT_EQ(choice.BackColor, expected[j - 1]);
        EXPECT_FALSE(choice.RandomBack);
    }
}

TEST(CardBack, ChoicesOutOfRangeChangeNothing) {
    CardBackChoice choice;
    choice.choosePicture(3);
    const CardBackChoice before = choice;
    choice.choosePicture(0);
    choice.choosePicture(13);
    choice.chooseCrosshatch(0);
    choice.chooseCrosshatch(5);
    EXPECT_EQ(choice.Back, before.Back);
    EXPECT_EQ(choice.ColorIndex, before.ColorIndex);
    EXPECT_EQ(choice.RandomBack, before.RandomBack);
}

TEST(CardBack, RandomChoiceKeepsTheOtherFields) {
    CardBackChoice choice;
    choice.chooseCrosshatch(2);
    choice.chooseRandom();
    EXPECT_TRUE(choice.RandomBack);
    EXPECT_EQ(choice.Back, 53);
    EXPECT_EQ(choice.ColorIndex, 2);
    EXPECT_EQ(choice.BackColor, 0x0000FFu);
}

TEST(CardBack, RandomPickCoversAllSixteenBacksWithoutTouchingTheIndex) {
    struct Case {
        int draw;
        int back;
        ColorValue color;
    };
    const Case cases[] = {{1, 54, 0x123456},  {7, 60, 0x123456},  {12, 65, 0x123456},
                          {13, 53, 0x000080}, {14, 53, 0x0000FF}, {15, 53, 0x00FFFF},
                          {16, 53, 0xF0CAA6}};
    for (const Case& c : cases) {
        CardBackChoice choice;
        choice.ColorIndex = 3;
        choice.BackColor = 0x123456;
        ScriptedRandom random;
        random.append(c.draw);
        choice.randomPick(random);
        EXPECT_EQ(random.seeds, 1) << "the generator is seeded before the draw";
        EXPECT_EQ(choice.Back, c.back) << "draw " << c.draw;
        EXPECT_EQ(choice.BackColor, c.color) << "draw " << c.draw;
        EXPECT_EQ(choice.ColorIndex, 3);
        EXPECT_TRUE(choice.RandomBack);
    }
}

// One mapping serves the chooser's cells, its picture and the deck codes of the settings file.
TEST(CardBack, EachChoiceShowsAndChoosesItsBack) {
    struct Case {
        int n;
        int back;
        ColorValue shownColour;
        int colorIndex; // after choosing it; 2 = left as it was
    };
    const Case cases[] = {{1, 54, 0x000080, 2},  {4, 57, 0xF0CAA6, 2},  {6, 59, 0x0000FF, 2},
                          {12, 65, 0xF0CAA6, 2}, {13, 53, 0x000080, 1}, {14, 53, 0x0000FF, 2},
                          {15, 53, 0x00FFFF, 3}, {16, 53, 0xF0CAA6, 4}};
    for (const Case& c : cases) {
        EXPECT_EQ(backOfChoice(c.n), (BackPicture{c.back, c.shownColour})) << c.n;
        CardBackChoice choice;
        choice.chooseCrosshatch(2);
        choice.chooseRandom();
        choice.choose(c.n);
        EXPECT_FALSE(choice.RandomBack) << c.n;
        EXPECT_EQ(choice.Back, c.back) << c.n;
        EXPECT_EQ(choice.ColorIndex, c.colorIndex) << c.n;
        if (c.n > 12) {
            EXPECT_EQ(choice.BackColor, c.shownColour) << c.n;
        }
        EXPECT_EQ(choice.choice(), c.n);
    }
    CardBackChoice untouched;
    untouched.choose(0);
    untouched.choose(17);
    EXPECT_TRUE(untouched.RandomBack);
}
