#pragma once

class QWidget;

// What every small window of the program does alike: opening brings an open one to the front,
// and Escape closes it as the title bar's close does.
namespace smallwindow {

// Shows the window, or raises and activates it when it is shown already.
void showOrRaise(QWidget* window);
// Escape reaching the window, from itself or from a child that let it pass, closes it.
void closeOnEscape(QWidget* window);
// Return or Enter presses the window's focused button, as in a dialog box; the default-button
// frame a dialog would draw stays away.
void returnPressesButtons(QWidget* window);

} // namespace smallwindow
