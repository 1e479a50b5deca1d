#include "UnitAPropos.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

#include "LabelUrl.h"
#include "Languages.h"
#include "common/Catalog.h"
#include "common/Colours.h"
#include "common/Emblem.h"
#include "common/Fonts.h"
#include "common/WindowTexts.h"

namespace {

QLabel* centredLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(fonts::make(fonts::Family::Arial, 15));
    return label;
}

} // namespace

// The pictures are compiled into this static library; naming their initialiser makes the linker
// keep them.
static void loadPictures() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)loaded;
}

TFormApropos::TFormApropos(QWidget* parent)
    // A dialog, so that the window manager keeps it above the main window.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    loadPictures();
    setWindowTitle(texts::about(vestorine::French).title);
    setWindowIcon(emblemOf(parent));
    setFixedSize(277, 216);
    move(172, 182);
    setModal(false);
    createBrand();
    createTexts();
    translation::follow(this, [this](int language) { applyLanguage(language); });
}

void TFormApropos::createBrand() {
    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 257, 65);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    m_brand = new QLabel(texts::about(vestorine::French).brand, Panel1);
    m_brand->setGeometry(Panel1->contentsRect());
    m_brand->setAlignment(Qt::AlignCenter);
    colours::set(m_brand, QPalette::WindowText, 0x808080);

    Image1 = new QLabel(this);
    Image1->setGeometry(16, 80, 33, 33);
    Image1->setPixmap(windowIcon().pixmap(32, 32));
}

void TFormApropos::createTexts() {
    const texts::AboutTexts words = texts::about(vestorine::French);
    Label1 = centredLabel(this, words.version, QRect(64, 88, 161, 17));
    Label2 = centredLabel(this, words.team, QRect(24, 120, 225, 17));
    // Read with the window's title, as the focus lands on OK.
    setAccessibleDescription(Label1->text());

    LabelUrl1 = new TLabelUrl(this);
    QFont font = fonts::make(fonts::Family::Arial, 15);
    font.setUnderline(true);
    LabelUrl1->setFont(font);
    LabelUrl1->setAlignment(Qt::AlignCenter);
    // Wider than the box of a short address, kept on the same centre, so the whole link shows.
    LabelUrl1->setGeometry(27, 144, 225, 18);
    LabelUrl1->setUrl(words.url);

    BitBtn1 = new QPushButton(words.ok, this);
    BitBtn1->setGeometry(96, 176, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::hide);
}

// The same texts in English and French; the other languages have their own.
void TFormApropos::applyLanguage(int language) {
    const texts::AboutTexts words = texts::about(language);
    setWindowTitle(words.title);
    Label2->setText(words.team);
    BitBtn1->setText(words.ok);
}

void TFormApropos::showEvent(QShowEvent* event) {
    // The theme's OK picture and the brand's face are looked up on the first showing: asking
    // whether the face is installed reads the whole font database, and the theme lookup costs
    // the start-up a few milliseconds, for a window most runs never open.
    if (BitBtn1->icon().isNull()) {
        BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        m_brand->setFont(fonts::make(fonts::Family::ArialBlack, 53, true, true));
    }
    // OK keeps the focus at opening, so that Return still closes; Tab reaches the link.
    if (!event->spontaneous())
        BitBtn1->setFocus();
    QDialog::showEvent(event);
}
