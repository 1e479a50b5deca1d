#pragma once

// The card back the player has chosen: the picture backs and the crosshatch in four colours,
// with the choice by picture, by colour or at random.

#include <array>
#include <cstdint>

namespace vestorine {

class RandomSource;

// Colours are 0x00BBGGRR words, red in the low byte.
using ColorValue = std::uint32_t;

inline constexpr int CrosshatchBack = 53;
inline constexpr int FirstPictureBack = 54;
inline constexpr int PictureBackCount = 12;
inline constexpr int BackChoiceCount = 16;

// The four colours offered for the crosshatch back, indexed 1..4 through colorFromTable.
inline constexpr std::array<ColorValue, 4> ColorTable{0x000080, 0x0000FF, 0x00FFFF, 0xF0CAA6};

constexpr ColorValue colorFromTable(int index) {
    return ColorTable[index - 1];
}

// Choice n (1..16) is what the chooser shows in its n-th cell, counted row by row in rows of
// four; the settings file writes it as the deck code. What the card library is given for it:
// picture back 53 + n up to 12, then the crosshatch in ColorTable[n - 12]. A picture ignores its
// colour; it gets the one of its column, as the crosshatch row below it.
struct BackPicture {
    int back = CrosshatchBack;
    ColorValue color = 0;
    bool operator==(const BackPicture&) const = default;
};

constexpr bool isCrosshatchChoice(int n) {
    return n > PictureBackCount;
}

constexpr BackPicture backOfChoice(int n) {
    const int column = (n - 1) % static_cast<int>(ColorTable.size()) + 1;
    return {isCrosshatchChoice(n) ? CrosshatchBack : CrosshatchBack + n, colorFromTable(column)};
}

static_assert(backOfChoice(1) == BackPicture{54, 0x000080});
static_assert(backOfChoice(16) == BackPicture{53, 0xF0CAA6});

// Which picture the face-down cards show. One record for the whole program.
struct CardBackChoice {
    int Back = CrosshatchBack;
    ColorValue BackColor = 0x00FFFF;
    int ColorIndex = 1;
    bool RandomBack = true;

    // Picture back n (1..12) is back id 53 + n.
    void choosePicture(int n);
    // Crosshatch colour j (1..4).
    void chooseCrosshatch(int j);
    // Choice n (1..16): a picture back or a crosshatch colour; nothing outside.
    void choose(int n);
    void chooseRandom() { RandomBack = true; }
    // The choice 1..16 the fixed back stands for, whatever RandomBack says.
    int choice() const;
    // Draws the back of one deal; keeps RandomBack and ColorIndex as they are.
    void randomPick(RandomSource& random);
};

} // namespace vestorine
