#pragma once

class QWidget;

// What every small window of the program does alike, beyond what a QDialog does (Escape closes
// it): opening brings an open one to the front.
namespace smallwindow {

// Shows the window, or raises and activates it when it is shown already.
void showOrRaise(QWidget* window);
// Return or Enter presses the window's focused button, as in a dialog box; the default-button
// frame a dialog would draw stays away.
void returnPressesButtons(QWidget* window);

} // namespace smallwindow
