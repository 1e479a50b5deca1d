#pragma once

#include <QWidget>

namespace vestorine {
struct CardBackChoice;
}

// The window where the player picks the back of the cards.
class TFormDos : public QWidget {
    Q_OBJECT
public:
    explicit TFormDos(vestorine::CardBackChoice& back, QWidget* parent = nullptr);

    // Shows the window painted anew, or only raises it when it is already visible.
    void showChooser();
    void applyLanguage(int language);

private:
    vestorine::CardBackChoice& m_back;
};
