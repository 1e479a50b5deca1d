#pragma once

#include <QDialog>

namespace vestorine {
struct CardBackChoice;
}

class BackCells;
class CellCursor;
class QLabel;
class QPushButton;

// The window where the player picks the back of the cards.
class TFormDos : public QDialog {
    Q_OBJECT
public:
    explicit TFormDos(vestorine::CardBackChoice& back, QWidget* parent = nullptr);

    // The card size the main window got from the card library; the grid follows it.
    void setCardSize(int width, int height);

    // Shows the window painted anew, or only raises it when it is already visible.
    void showChooser();
    void applyLanguage(int language);

    // The choice 1..16 shown in the cell under point (grid coordinates), 0 for none: the cell's
    // left and top borders and the gaps belong to no cell.
    int choiceAt(QPoint point) const;
    // The top-left corner of the cell of choice n inside the grid.
    QPoint cellOrigin(int choice) const;
    // The cell of row and column 1..4 inside the grid.
    QRect cellRect(int row, int col) const;

    QWidget* ImageJeu = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* ButtonRandom = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    class Grid;

    void paintBacks();
    void fitLabel();
    void ImageJeuMouseUp(QPoint point);
    // Takes back n (1..16) and closes, whether a release or a key designated it.
    void chooseBack(int choice);
    void ButtonRandomClick();

    vestorine::CardBackChoice& m_back;
    Grid* m_grid = nullptr;
    CellCursor* m_cursor = nullptr;
    BackCells* m_cells = nullptr;
    int m_cardWidth = 71;
    int m_cardHeight = 96;
};
