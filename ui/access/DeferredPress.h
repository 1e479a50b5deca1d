#pragma once

class QAbstractButton;

namespace deferredpress {

// Makes the button's accessible "press" click it once the accessibility call has returned: the
// deal such a click starts runs longer than a screen reader waits for the call's reply. The
// mouse and the keyboard still click at once.
void install(QAbstractButton* button);

} // namespace deferredpress
