#include "UnitKeys.h"

#include "common/Catalog.h"
#include "common/WindowTexts.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TFormKeys::TFormKeys(QWidget* parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TFormKeys"));
    m_text->setObjectName(QStringLiteral("KeyList"));
    m_text->setReadOnly(true);
    // A caret the arrows move, though nothing can be typed: a screen reader follows it and says
    // each line reached, in speech and in braille.
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // Tab leaves the text rather than typing nothing.
    m_text->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    resize(560, 300);
    translation::follow(this, [this](int language) { applyLanguage(language); });
}

void TFormKeys::applyLanguage(int language) {
    const texts::SpokenTexts words = texts::spoken(language);
    setWindowTitle(words.keysHelpTitle);
    m_text->setAccessibleName(words.keysHelpTitle);
    m_text->setPlainText(words.keysHelp);
}

QString TFormKeys::keyList() const {
    return m_text->toPlainText();
}
