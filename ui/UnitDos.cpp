#include "UnitDos.h"

#include <algorithm>

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "CardBack.h"
#include "CardDraw.h"
#include "Messages.h"
#include "access/GridAccessible.h"
#include "common/Catalog.h"
#include "common/Colours.h"
#include "common/Fonts.h"
#include "common/SmallWindow.h"
#include "common/WindowTexts.h"
#include "table/CellCursor.h"
#include "table/TableGeometry.h"

namespace {

constexpr int Gap = GridGeometry::Gap;
constexpr int GridSide = 4;

QFont invitationFont() {
    return fonts::make(fonts::Family::Arial, 15, true, true);
}

// Choice n lies in the n-th cell, counted row by row.
int choiceOf(int row, int col) {
    return (row - 1) * GridSide + col;
}

GridGeometry backGrid(int cardWidth, int cardHeight) {
    return {QSize(cardWidth, cardHeight), GridSide, GridSide};
}

} // namespace

// The 16 backs as a screen reader hears them.
class BackCells : public GridCells {
public:
    BackCells(QWidget* grid, const TFormDos& form)
        : GridCells(grid, GridSide, GridSide)
        , m_form(form) {}

    int language = vestorine::French;

    QString gridName() const override { return texts::backChooser(language).grid; }
    QString cellName(int row, int col) const override {
        const auto& names = texts::backChooser(language).backs;
        return names[std::size_t(choiceOf(row, col) - 1)];
    }
    QRect cellRect(int row, int col) const override { return m_form.cellRect(row, col); }
    // Each move says the one back under the frame.
    bool readAsList() const override { return true; }

private:
    const TFormDos& m_form;
};

// The grid picture: kept between paints, and reporting where a mouse button was let go.
// Qt sends the release to the widget that got the press, wherever the pointer is by then.
class TFormDos::Grid : public QWidget {
public:
    Grid(TFormDos* form)
        : QWidget(form)
        , m_form(form) {}

    QImage picture;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, picture);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        m_form->ImageJeuMouseUp(event->position().toPoint());
    }

private:
    TFormDos* m_form;
};

TFormDos::TFormDos(vestorine::CardBackChoice& back, QWidget* parent)
    // A dialog, so that the window manager keeps it above the main window; with the usual
    // title-bar buttons of a window.
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_back(back) {
    const texts::BackChooserTexts words = texts::backChooserAtStart();
    setWindowTitle(words.title);
    translation::follow(this, [this](int language) { applyLanguage(language); });
    resize(350, 486);
    move(76, 45);

    m_grid = new Grid(this);
    ImageJeu = m_grid;
    m_cells = new BackCells(m_grid, *this);
    m_cursor = new CellCursor(m_grid, GridSide, GridSide,
                              [this](int row, int col) { return cellRect(row, col); });
    connect(m_cursor, &CellCursor::moved, m_cells, &BackCells::setCursor);
    connect(m_cursor, &CellCursor::activated, this,
            [this](int row, int col) { chooseBack(choiceOf(row, col)); });

    Label1 = new QLabel(words.invitation, this);
    Label1->setGeometry(16, 448, 223, 17);
    Label1->setFont(invitationFont());
    colours::set(Label1, QPalette::WindowText, 0x800000);

    ButtonRandom = new QPushButton(words.random, this);
    ButtonRandom->setGeometry(256, 445, 75, 25);
    ButtonRandom->setFont(fonts::make(fonts::Family::Arial, 12, true, true));
    colours::set(ButtonRandom, QPalette::ButtonText, 0xFF0000);
    // No default-button frame: Return presses whichever button has the focus.
    ButtonRandom->setAutoDefault(false);
    connect(ButtonRandom, &QPushButton::clicked, this, &TFormDos::ButtonRandomClick);
    smallwindow::returnPressesButtons(this);
}

void TFormDos::setCardSize(int width, int height) {
    m_cardWidth = width;
    m_cardHeight = height;
}

void TFormDos::showChooser() {
    smallwindow::showOrRaise(this);
}

void TFormDos::applyLanguage(int language) {
    const texts::BackChooserTexts words = texts::backChooser(language);
    setWindowTitle(words.title);
    Label1->setText(words.invitation);
    if (isVisible())
        fitLabel();
    ButtonRandom->setText(words.random);
    m_cells->language = language;
    m_cells->allChanged();
}

void TFormDos::fitLabel() {
    // The invitation grows with its text, as wide as it needs, never narrower than designed,
    // and a smaller face keeps a longer translation clear of the button. Measured when the
    // window opens or its text changes in view: measuring loads the label's face, which nothing
    // else shown at start-up uses.
    const int room = ButtonRandom->x() - Label1->x() - 4;
    Label1->setFont(fonts::fitting(invitationFont(), Label1->text(), room));
    Label1->resize(std::max(223, Label1->sizeHint().width()), 17);
}

QPoint TFormDos::cellOrigin(int choice) const {
    return cellRect((choice - 1) / GridSide + 1, (choice - 1) % GridSide + 1).topLeft();
}

QRect TFormDos::cellRect(int row, int col) const {
    return backGrid(m_cardWidth, m_cardHeight).cellRect(row, col);
}

int TFormDos::choiceAt(QPoint point) const {
    const auto cell = backGrid(m_cardWidth, m_cardHeight).cellAt(point);
    return cell ? choiceOf(cell->row, cell->col) : 0;
}

// A restore from the minimised state is also a show; only a real opening paints anew.
void TFormDos::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        fitLabel();
        paintBacks();
        // The frame waits for a key again, where the grid now lies.
        m_cursor->hide();
        m_cursor->moveTo(m_cursor->row(), m_cursor->column());
        m_grid->setFocus();
    }
    QDialog::showEvent(event);
}

void TFormDos::paintBacks() {
    const QSize size(GridSide * m_cardWidth + 5 * Gap, GridSide * m_cardHeight + 3 * Gap);
    m_grid->setGeometry(QRect(QPoint(Gap, Gap), size));
    const qreal ratio = m_grid->devicePixelRatioF();
    QImage& picture = m_grid->picture;
    picture = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(palette().color(QPalette::Window));
    QPainter painter(&picture);
    for (int choice = 1; choice <= vestorine::BackChoiceCount; ++choice) {
        const QPoint at = cellOrigin(choice);
        const vestorine::BackPicture shown = vestorine::backOfChoice(choice);
        cards::cdtDrawExt(painter, at.x(), at.y(), m_cardWidth, m_cardHeight, shown.back,
                          cards::FaceDown, shown.color);
    }
    painter.end();
    update();
}

void TFormDos::ImageJeuMouseUp(QPoint point) {
    if (const int choice = choiceAt(point))
        chooseBack(choice);
}

void TFormDos::chooseBack(int choice) {
    m_back.choose(choice);
    hide();
}

void TFormDos::ButtonRandomClick() {
    m_back.chooseRandom();
    hide();
}
