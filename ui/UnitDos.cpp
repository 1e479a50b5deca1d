#include "UnitDos.h"

#include <algorithm>

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "CardBack.h"
#include "CardDraw.h"
#include "Fonts.h"
#include "Messages.h"

namespace {

constexpr int Gap = 10;
constexpr int GridSide = 4;

QFont sansFont(int pixels) {
    return fonts::make(fonts::Family::Arial, pixels, true, true);
}

void setTextColour(QWidget* widget, QPalette::ColorRole role, quint32 colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, cards::toQColor(colour));
    widget->setPalette(palette);
}

} // namespace

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
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_back(back) {
    setWindowTitle(QStringLiteral("Dos des cartes"));
    resize(350, 486);
    move(76, 45);

    m_grid = new Grid(this);
    ImageJeu = m_grid;

    Label1 = new QLabel(QStringLiteral("Cliquez le dos de votre choix ou"), this);
    Label1->setGeometry(16, 448, 223, 17);
    Label1->setFont(sansFont(15));
    fitLabel();
    setTextColour(Label1, QPalette::WindowText, 0x800000);

    ButtonRandom = new QPushButton(QStringLiteral("Aléatoire"), this);
    ButtonRandom->setGeometry(256, 445, 75, 25);
    ButtonRandom->setFont(sansFont(12));
    setTextColour(ButtonRandom, QPalette::ButtonText, 0xFF0000);
    connect(ButtonRandom, &QPushButton::clicked, this, &TFormDos::ButtonRandomClick);
}

void TFormDos::setCardSize(int width, int height) {
    m_cardWidth = width;
    m_cardHeight = height;
}

void TFormDos::showChooser() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
}

void TFormDos::applyLanguage(int language) {
    const bool english = language == vestorine::English;
    setWindowTitle(english ? QStringLiteral("CARDS DECK") : QStringLiteral("DOS DES CARTES"));
    Label1->setText(english ? QStringLiteral("Click the deck to use or")
                            : QStringLiteral("Cliquez le dos à utiliser ou"));
    fitLabel();
    ButtonRandom->setText(english ? QStringLiteral("Random") : QStringLiteral("Aléatoire"));
}

void TFormDos::fitLabel() {
    // The invitation grows with its text, as wide as it needs, never narrower than designed.
    Label1->resize(std::max(223, Label1->sizeHint().width()), 17);
}

QPoint TFormDos::cellOrigin(int choice) const {
    const int row = (choice - 1) / GridSide;
    const int col = (choice - 1) % GridSide;
    return {col * (m_cardWidth + Gap), row * (m_cardHeight + Gap)};
}

int TFormDos::choiceAt(QPoint point) const {
    for (int choice = 1; choice <= vestorine::BackChoiceCount; ++choice) {
        const QPoint origin = cellOrigin(choice);
        if (origin.x() < point.x() && point.x() < origin.x() + m_cardWidth &&
            origin.y() < point.y() && point.y() < origin.y() + m_cardHeight)
            return choice;
    }
    return 0;
}

// A restore from the minimised state is also a show; only a real opening paints anew.
void TFormDos::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        paintBacks();
    QWidget::showEvent(event);
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
        const bool crosshatch = choice > vestorine::PictureBackCount;
        const int column = (choice - 1) % GridSide + 1;
        const int backId =
            crosshatch ? vestorine::CrosshatchBack : vestorine::CrosshatchBack + choice;
        cards::cdtDrawExt(painter, at.x(), at.y(), m_cardWidth, m_cardHeight, backId,
                          cards::FaceDown, vestorine::colorFromTable(column));
    }
    painter.end();
    update();
}

void TFormDos::ImageJeuMouseUp(QPoint point) {
    const int choice = choiceAt(point);
    if (choice == 0)
        return;
    if (choice <= vestorine::PictureBackCount)
        m_back.choosePicture(choice);
    else
        m_back.chooseCrosshatch(choice - vestorine::PictureBackCount);
    hide();
}

void TFormDos::ButtonRandomClick() {
    m_back.chooseRandom();
    hide();
}
