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
    void chooseRandom() { RandomBack = true; }
    // Draws the back of one deal; keeps RandomBack and ColorIndex as they are.
    void randomPick(RandomSource& random);
};

} // namespace vestorine
