#include "Unit1.h"

#include "GameSession.h"
#include "GameState.h"
#include "common/WindowTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void TForm1::createTableSizeMenu() {
    MenuTableSize = MenuView->addMenu(QString());
    MenuTableSize->setObjectName(QStringLiteral("MenuTableSize"));
    auto* sizes = new QActionGroup(this);
    for (int percent : GameSession::tableSizes()) {
        auto* action = new QAction(MenuTableSize);
        action->setObjectName(QStringLiteral("MenuTableSize%1").arg(percent));
        action->setCheckable(true);
        action->setData(percent);
        sizes->addAction(action);
        MenuTableSize->addAction(action);
        m_tableSizes.push_back(action);
        connect(action, &QAction::triggered, this,
                [this, percent] { outsideDeal([this, percent] { tableSizeChosen(percent); }); });
    }
    // Another copy may have changed the file: the checks follow it each time the menu opens.
    connect(MenuView, &QMenu::aboutToShow, this, &TForm1::checkTableSize);
    checkTableSize();
    applyTableSizeLanguage(vestorine::French);
}

void TForm1::checkTableSize() {
    const int chosen = m_session->tableSize();
    for (QAction* action : m_tableSizes)
        action->setChecked(action->data().toInt() == chosen);
}

void TForm1::applyTableSizeLanguage(int language) {
    const texts::TableSizeTexts& words = texts::tableSize(language);
    MenuTableSize->setTitle(texts::text(words.menu));
    for (QAction* action : m_tableSizes)
        action->setText(texts::text(words.percent).arg(action->data().toInt()));
}

// The session keeps the new size and starts the program again in place, as a Quit would end:
// the settings written, this game left for the new program to resume.
void TForm1::tableSizeChosen(int percent) {
    if (!m_session->chooseTableSize(percent))
        checkTableSize();
}
