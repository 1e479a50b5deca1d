#include "UnitKeys.h"

#include "common/WindowTexts.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TFormKeys::TFormKeys(QWidget* parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TFormKeys"));
    m_text->setObjectName(QStringLiteral("KeyList"));
    m_text->setReadOnly(true);
    // Tab leaves the text, so the reader's focus stays on it and not on a caret it cannot move.
    m_text->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    resize(560, 300);
}

void TFormKeys::applyLanguage(int language) {
    const texts::SpokenTexts& words = texts::spoken(language);
    setWindowTitle(texts::text(words.keysHelpTitle));
    m_text->setAccessibleName(texts::text(words.keysHelpTitle));
    m_text->setPlainText(texts::text(words.keysHelp));
}

QString TFormKeys::keyList() const {
    return m_text->toPlainText();
}
