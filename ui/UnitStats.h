#pragma once

#include <array>
#include <functional>

#include <QDialog>

namespace vestorine {
struct Statistics;
}

class QLabel;
class QPushButton;
class QVBoxLayout;
class StatisticsKeeper;

// The statistics window: the counts of the games played, and a button that sets them to zero.
class TFormStats : public QDialog {
    Q_OBJECT
public:
    // The rows of figures, top to bottom.
    enum Row {
        RowPlayed,
        RowWon,
        RowWonByChain,
        RowWonAtReveal,
        RowLost,
        RowAbandoned,
        RowWinRate,
        RowCurrentStreak,
        RowBestStreak,
        RowCount
    };

    TFormStats(StatisticsKeeper& keeper, QWidget* parent = nullptr);

    // Shows the window, or only raises it when it is already visible.
    void showStats();
    void applyLanguage(int language);

    // Asks whether to zero the counts; replaceable so that tests answer without a box.
    using Confirm = std::function<bool(const QString& question)>;
    void setConfirm(Confirm confirm) { m_confirm = std::move(confirm); }

    std::array<QLabel*, RowCount> Labels{};
    std::array<QLabel*, RowCount> Values{};
    QPushButton* ButtonReset = nullptr;
    QPushButton* ButtonClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createRows(QVBoxLayout* box);
    void createButtons(QVBoxLayout* box);
    void refresh();
    void ButtonResetClick();
    bool askReset(const QString& question);

    StatisticsKeeper& m_keeper;
    Confirm m_confirm;
    int m_language;
};
