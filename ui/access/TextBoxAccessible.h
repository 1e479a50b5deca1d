#pragma once

// A one-line text box as a screen reader learns it. Qt's own description gives each character
// a run of text attributes of no length; a reader that joins the runs to split the text by
// language stops at the start of the last character, and reads a deal number without its last
// digit. Here the whole text is one run; the rest is told as Qt tells it, rectangles and points
// in the screen's pixels.
namespace textboxaccessible {

// Installs the factory for every QLineEdit, once however often it is called.
void install();

} // namespace textboxaccessible
