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

void CardBackChoice::randomPick(RandomSource& random) {
    random.seedFromClock();
    const int n = random.uniform(1, BackChoiceCount);
    if (n <= PictureBackCount) {
        Back = CrosshatchBack + n;
    } else {
        Back = CrosshatchBack;
        BackColor = colorFromTable(n - PictureBackCount);
    }
}

} // namespace vestorine
