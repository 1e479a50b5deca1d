#include "UnitDeal.h"

#include "DealShuffle.h"
#include "Messages.h"
#include "access/TextBoxAccessible.h"
#include "common/Catalog.h"
#include "common/SmallWindow.h"
#include "common/WindowTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormDeal::TFormDeal(QWidget* parent)
    // A dialog, so that the window manager keeps it above the main window.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("TFormDeal"));
    setModal(false);
    auto* box = new QVBoxLayout(this);
    m_prompt = new QLabel(this);
    textboxaccessible::install();
    EditNumber = new NumberBox(this);
    EditNumber->setObjectName(QStringLiteral("EditNumber"));
    m_prompt->setBuddy(EditNumber);
    LabelError = new QLabel(this);
    LabelError->setObjectName(QStringLiteral("LabelError"));
    LabelError->setWordWrap(true);
    LabelError->hide();
    auto* buttons = new QDialogButtonBox(this);
    ButtonOk = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ButtonCancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    ButtonOk->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormDeal::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormDeal::reject);
    // A new entry clears the word about the last one.
    connect(EditNumber, &QLineEdit::textEdited, LabelError, &QLabel::hide);
    for (QWidget* widget : {static_cast<QWidget*>(m_prompt), static_cast<QWidget*>(EditNumber),
                            static_cast<QWidget*>(LabelError), static_cast<QWidget*>(buttons)})
        box->addWidget(widget);
    box->setSizeConstraint(QLayout::SetFixedSize);
    applyLanguage(vestorine::French);
    translation::follow(this, [this](int language) { applyLanguage(language); });
}

void TFormDeal::applyLanguage(int language) {
    m_language = language;
    const texts::DealTexts words = texts::deals(language);
    setWindowTitle(words.title);
    m_prompt->setText(words.prompt);
    ButtonOk->setText(words.ok);
    ButtonCancel->setText(words.cancel);
    LabelError->setText(
        words.notANumber.arg(texts::locale(language).toString(vestorine::LastDealNumber)));
}

void TFormDeal::showFor(int current, int language) {
    applyLanguage(language);
    EditNumber->setText(current > 0 ? QString::number(current) : QString());
    LabelError->hide();
    EditNumber->focusSelected();
    smallwindow::showOrRaise(this);
}

void TFormDeal::accept() {
    const auto number = vestorine::parseDealNumber(EditNumber->text().toStdString());
    if (!number) {
        LabelError->show();
        EditNumber->focusSelected();
        return;
    }
    QDialog::accept();
    emit dealChosen(*number);
}
