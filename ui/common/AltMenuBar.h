#pragma once

// The menu bar opens with a lone Alt every time. The toolkit's menu bar forgets a pressed Alt
// when any focus or activation change reaches the program before the release; after a small
// window closes, the window manager hands the focus back late, right between the player's Alt
// press and release, and the next keys then act on the grid. This keeper remembers the press
// itself, across such changes, and opens the bar when the toolkit did not. It also marks the
// title that takes the keys, which the toolkit's style leaves unmarked until a menu opens.
namespace altmenubar {

// Watches the whole program's keys; once however often it is called.
void install();

} // namespace altmenubar
