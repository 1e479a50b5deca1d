#include "UnitStats.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "Messages.h"
#include "StatisticsKeeper.h"
#include "common/Catalog.h"
#include "common/Colours.h"
#include "common/Fonts.h"
#include "common/SmallWindow.h"
#include "common/WindowTexts.h"

namespace {

constexpr quint32 FigureColour = 0x800000; // navy

using StatsTexts = texts::StatsTexts;
static_assert(std::tuple_size_v<decltype(StatsTexts::rows)> == TFormStats::RowCount);

StatsTexts textsFor(int language) {
    return texts::stats(language);
}

bool isDetail(int row) {
    return row == TFormStats::RowWonByChain || row == TFormStats::RowWonAtReveal;
}

// Won over played with one decimal; a dash before any game. French sets the sign apart.
QString winRate(const vestorine::Statistics& counts, int language) {
    if (counts.played == 0)
        return QStringLiteral("–");
    const QLocale locale = texts::locale(language);
    const QString number = locale.toString(100.0 * counts.won() / counts.played, 'f', 1);
    return number + (language == vestorine::English ? QString() : QStringLiteral(" ")) +
           locale.percent();
}

qlonglong count(const vestorine::Statistics& counts, int row) {
    switch (row) {
    case TFormStats::RowPlayed:
        return counts.played;
    case TFormStats::RowWon:
        return counts.won();
    case TFormStats::RowWonByChain:
        return counts.wonByChain;
    case TFormStats::RowWonAtReveal:
        return counts.wonAtReveal;
    case TFormStats::RowLost:
        return counts.lost;
    case TFormStats::RowAbandoned:
        return counts.abandoned;
    case TFormStats::RowCurrentStreak:
        return counts.currentStreak;
    default:
        return counts.bestStreak;
    }
}

// Each figure as the window's language writes it, thousands grouped.
QString figure(const vestorine::Statistics& counts, int row, int language) {
    if (row == TFormStats::RowWinRate)
        return winRate(counts, language);
    return texts::locale(language).toString(count(counts, row));
}

QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

TFormStats::TFormStats(StatisticsKeeper& keeper, QWidget* parent)
    // A dialog, so that the window manager keeps it above the main window.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_keeper(keeper)
    , m_language(vestorine::French) {
    setWindowTitle(textsFor(vestorine::French).caption);
    move(120, 120);
    auto* layout = new QVBoxLayout(this);
    // The window is as large as its texts, in every language.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 14, 16, 12);
    createRows(layout);
    createButtons(layout);
    applyLanguage(vestorine::French);
    translation::follow(this, [this](int language) { applyLanguage(language); });
    smallwindow::returnPressesButtons(this);
    connect(&m_keeper, &StatisticsKeeper::changed, this, [this] {
        if (isVisible())
            refresh();
    });
}

void TFormStats::createRows(QVBoxLayout* box) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(5);
    int line = 0;
    for (int row = 0; row < RowCount; ++row) {
        // The rate and the streaks stand apart from the counts.
        if (row == RowWinRate)
            grid->addWidget(separator(this), line++, 0, 1, 2);
        Labels[row] = new QLabel(this);
        Labels[row]->setFont(isDetail(row) ? fonts::make(fonts::Family::Arial, 13, false, true)
                                           : fonts::make(fonts::Family::Arial, 15, true));
        Labels[row]->setIndent(isDetail(row) ? 18 : 0);
        Values[row] = new QLabel(this);
        Values[row]->setFont(
            fonts::make(fonts::Family::Arial, isDetail(row) ? 13 : 15, !isDetail(row)));
        Values[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        colours::set(Values[row], QPalette::WindowText, FigureColour);
        Values[row]->setMinimumWidth(64);
        // The keyboard walks the figures, each named with what it counts, before the buttons.
        Values[row]->setFocusPolicy(Qt::TabFocus);
        grid->addWidget(Labels[row], line, 0);
        grid->addWidget(Values[row], line++, 1);
    }
    box->addLayout(grid);
}

void TFormStats::createButtons(QVBoxLayout* box) {
    ButtonReset = new QPushButton(this);
    ButtonClose = new QPushButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonReset);
    buttons->addStretch();
    buttons->addWidget(ButtonClose);
    for (QPushButton* button : {ButtonReset, ButtonClose}) {
        button->setFont(fonts::make(fonts::Family::Arial, 12, true));
        button->setMinimumSize(75, 25);
        button->setAutoDefault(false);
    }
    box->addSpacing(10);
    box->addLayout(buttons);
    connect(ButtonReset, &QPushButton::clicked, this, &TFormStats::ButtonResetClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::hide);
}

void TFormStats::showStats() {
    smallwindow::showOrRaise(this);
}

void TFormStats::applyLanguage(int language) {
    m_language = language;
    const StatsTexts texts = textsFor(language);
    setWindowTitle(texts.caption);
    for (int row = 0; row < RowCount; ++row)
        Labels[row]->setText(texts.rows[row]);
    ButtonReset->setText(texts.reset);
    ButtonClose->setText(texts.close);
    if (isVisible())
        refresh();
}

void TFormStats::showEvent(QShowEvent* event) {
    // The file is read at the first showing or the first game, whichever comes first.
    refresh();
    // Opening lands on the first figure, never on Reset.
    if (!event->spontaneous())
        Values[RowPlayed]->setFocus();
    QDialog::showEvent(event);
}

void TFormStats::refresh() {
    const vestorine::Statistics& counts = m_keeper.counts();
    const QString spoken = texts::statsFigure(m_language);
    for (int row = 0; row < RowCount; ++row) {
        Values[row]->setText(figure(counts, row, m_language));
        const QString name = spoken.arg(Labels[row]->text(), Values[row]->text());
        Values[row]->setAccessibleName(name);
        // Named alike, the label and its figure are one loose text to a screen reader reading
        // the window, which says each only once.
        Labels[row]->setAccessibleName(name);
    }
}

void TFormStats::ButtonResetClick() {
    if (askReset(textsFor(m_language).question))
        m_keeper.reset();
}

bool TFormStats::askReset(const QString& question) {
    if (m_confirm)
        return m_confirm(question);
    const StatsTexts& texts = textsFor(m_language);
    QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(texts.yes, QMessageBox::YesRole);
    QPushButton* no = box.addButton(texts.no, QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
