#pragma once

class QWidget;

// The small windows are plain widgets kept above the main window by their window type; a screen
// reader must still learn that they are dialogs, so that it reads them as such (their loose
// labels on opening included).
namespace dialogrole {

// Exposes the top-level window with the dialog role.
void expose(QWidget* window);

} // namespace dialogrole
