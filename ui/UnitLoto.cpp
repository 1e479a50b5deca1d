#include "UnitLoto.h"

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "Messages.h"
#include "access/TextBoxAccessible.h"
#include "common/Catalog.h"
#include "common/Colours.h"
#include "common/Fonts.h"
#include "common/NumberBox.h"
#include "common/SmallWindow.h"
#include "common/WindowTexts.h"

namespace {

constexpr std::array<int, TFormLoto::SlotCount> SlotLeft{16, 56, 96, 136, 176, 216, 312};

} // namespace

TFormLoto::TFormLoto(vestorine::RandomSource& random, QWidget* parent)
    // A dialog, so that the window manager keeps it above the main window.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_random(random) {
    setWindowTitle(texts::lotoAtStart().title);
    resize(366, 124);
    move(192, 205);
    colours::set(this, QPalette::Window, 0x008000);
    setAutoFillBackground(true);

    Label1 = new QLabel(texts::lotoAtStart().invitation, this);
    Label1->setGeometry(16, 8, 337, 13);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(fonts::make(fonts::Family::Arial, 11));
    translation::follow(this, [this](int language) { applyLanguage(language); });
    colours::set(Label1, QPalette::WindowText, 0x00FFFF);

    TimerLoto = new QTimer(this);
    TimerLoto->setInterval(50);
    connect(TimerLoto, &QTimer::timeout, this, &TFormLoto::TimerLotoTimer);
    createSlots();
    nameSlots(vestorine::French);
    resetGrid();
}

void TFormLoto::createSlots() {
    textboxaccessible::install();
    for (int k = 0; k < SlotCount; ++k) {
        Edits[k] = new NumberBox(this);
        Edits[k]->setGeometry(SlotLeft[k], 32, 33, 32);
        Edits[k]->setFont(fonts::make(fonts::Family::Arial, 21));
        const QString caption = k + 1 < SlotCount ? texts::text(texts::LotoButton).arg(k + 1)
                                                  : texts::text(texts::LotoComplementaryButton);
        Buttons[k] = new QPushButton(caption, this);
        Buttons[k]->setGeometry(SlotLeft[k], 72, 33, 25);
        Buttons[k]->setAutoDefault(false);
        // Only the mouse draws: the buttons' own click, which the keyboard can also give, is
        // never used.
        Buttons[k]->installEventFilter(this);
    }
}

void TFormLoto::showLoto() {
    smallwindow::showOrRaise(this);
}

void TFormLoto::applyLanguage(int language) {
    const texts::LotoTexts words = texts::loto(language);
    setWindowTitle(words.title);
    Label1->setText(words.invitation);
    // A longer translation takes a smaller face rather than losing its ends.
    Label1->setFont(
        fonts::fitting(fonts::make(fonts::Family::Arial, 11), words.invitation, Label1->width()));
    nameSlots(language);
}

// The boxes and their buttons named for a screen reader: six numbers and the complementary one.
void TFormLoto::nameSlots(int language) {
    const texts::LotoTexts words = texts::loto(language);
    for (int k = 0; k < SlotCount; ++k) {
        const QString number = k + 1 < SlotCount ? words.number.arg(k + 1) : words.complementary;
        Edits[k]->setAccessibleName(number);
        Buttons[k]->setAccessibleName(words.draw.arg(number));
    }
}

// A restore from the minimised state is also a show; only a real opening starts a fresh grid.
void TFormLoto::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        resetGrid();
        // The window itself takes the focus: a screen reader names it and reads the invitation
        // once, among its loose texts, before Tab walks the numbers.
        setFocus();
    }
    QDialog::showEvent(event);
}

void TFormLoto::resetGrid() {
    TimerLoto->stop();
    m_lottery.reset();
    m_slot = 1;
    for (int k = 0; k < SlotCount; ++k) {
        Edits[k]->setText(QStringLiteral("00"));
        Buttons[k]->setEnabled(k == 0);
        Buttons[k]->setDown(false);
    }
}

bool TFormLoto::eventFilter(QObject* watched, QEvent* event) {
    const auto at = std::find(Buttons.begin(), Buttons.end(), watched);
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (at == Buttons.end() || !(press || event->type() == QEvent::MouseButtonRelease))
        return QDialog::eventFilter(watched, event);
    const int slot = int(at - Buttons.begin()) + 1;
    if ((*at)->isEnabled()) {
        if (press)
            ButtonMouseDown(slot);
        else
            ButtonMouseUp(slot);
    }
    return true;
}

void TFormLoto::ButtonMouseDown(int slot) {
    m_slot = slot;
    Buttons[slot - 1]->setDown(true);
    TimerLoto->start();
}

void TFormLoto::ButtonMouseUp(int slot) {
    TimerLoto->stop();
    Buttons[slot - 1]->setDown(false);
    Buttons[slot - 1]->setEnabled(false);
    if (slot < SlotCount)
        Buttons[slot]->setEnabled(true);
}

// Every tick draws afresh, so the box keeps changing while the button is held.
void TFormLoto::TimerLotoTimer() {
    const int number = m_lottery.draw(m_slot, m_random);
    Edits[m_slot - 1]->setText(QString::number(number));
}
