#include "CardBack.h"

#include "RandomSource.h"

namespace vestorine {

void CardBackChoice::choosePicture(int n) {
    if (n < 1 || n > PictureBackCount)
        return;
    Back = CrosshatchBack + n;
    RandomBack = false;
}

void CardBackChoice::chooseCrosshatch(int j) {
    if (j < 1 || j > static_cast<int>(ColorTable.size()))
        return;
    Back = CrosshatchBack;
    ColorIndex = j;
    BackColor = colorFromTable(j);
    RandomBack = false;
}

void CardBackChoice::choose(int n) {
    if (isCrosshatchChoice(n))
        chooseCrosshatch(n - PictureBackCount);
    else
        choosePicture(n);
}

int CardBackChoice::choice() const {
    return Back > CrosshatchBack ? Back - CrosshatchBack : ColorIndex + PictureBackCount;
}

void CardBackChoice::randomPick(RandomSource& random) {
    random.seedFromClock();
    const int n = random.uniform(1, BackChoiceCount);
    // The colour comes with the crosshatch only: ColorIndex still names the player's choice.
    const BackPicture picture = backOfChoice(n);
    Back = picture.back;
    if (isCrosshatchChoice(n))
        BackColor = picture.color;
}

} // namespace vestorine
