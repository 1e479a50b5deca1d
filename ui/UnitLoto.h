#pragma once

#include <array>

#include <QDialog>

#include "Lottery.h"

namespace vestorine {
class RandomSource;
}

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The reward window that draws lottery numbers: six distinct numbers from 1 to 49 and a
// seventh, complementary one, each spun while its button is held down.
class TFormLoto : public QDialog {
    Q_OBJECT
public:
    static constexpr int SlotCount = vestorine::Lottery::SlotCount;

    explicit TFormLoto(vestorine::RandomSource& random, QWidget* parent = nullptr);

    // Shows a fresh grid, or only raises the window when it is already visible.
    void showLoto();
    void applyLanguage(int language);

    // Slot k (1..7); 0 when it was not drawn.
    int LotoNumbers(int slot) const { return m_lottery.number(slot); }
    int LotoSlot() const { return m_slot; }

    QLabel* Label1 = nullptr;
    std::array<QLineEdit*, SlotCount> Edits{};
    std::array<QPushButton*, SlotCount> Buttons{};
    QTimer* TimerLoto = nullptr;

    // Each tick of TimerLoto: draws the number of the slot being held.
    void TimerLotoTimer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createSlots();
    void nameSlots(int language);
    void resetGrid();
    void ButtonMouseDown(int slot);
    void ButtonMouseUp(int slot);

    vestorine::RandomSource& m_random;
    vestorine::Lottery m_lottery;
    int m_slot = 1;
};
