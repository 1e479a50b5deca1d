#pragma once

#include <QWidget>

namespace vestorine {
class RandomSource;
}

// The reward window that draws lottery numbers.
class TFormLoto : public QWidget {
    Q_OBJECT
public:
    explicit TFormLoto(vestorine::RandomSource& random, QWidget* parent = nullptr);

    // Shows a fresh grid, or only raises the window when it is already visible.
    void showLoto();
    void applyLanguage(int language);

private:
    vestorine::RandomSource& m_random;
};
