#pragma once

#include <QLineEdit>

// A box for a number that takes the focus with its number selected, so that typing replaces it.
// The toolkit selects before it tells a screen reader where the focus went, and the reader then
// reads the number twice, first as a selection, then with the box. Selected on the turn after
// the focus came, the number is read once, with the box, as selected.
class NumberBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // Takes the focus now, or when its window next gets it; the number is then selected.
    void focusSelected();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_selectOnFocus = false;
};
