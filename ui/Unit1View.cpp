#include "Unit1.h"

#include "GameState.h"
#include "ViewFile.h"
#include "common/ErrorBox.h"
#include "common/TableScale.h"
#include "common/WindowTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <cerrno>

void TForm1::createTableSizeMenu() {
    MenuTableSize = MenuView->addMenu(QString());
    MenuTableSize->setObjectName(QStringLiteral("MenuTableSize"));
    auto* sizes = new QActionGroup(this);
    for (int percent : viewfile::TableSizes) {
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
    const int chosen = tablescale::chosenSize(m_settingsFolder);
    for (QAction* action : m_tableSizes)
        action->setChecked(action->data().toInt() == chosen);
}

void TForm1::applyTableSizeLanguage(int language) {
    const texts::TableSizeTexts& words = texts::tableSize(language);
    MenuTableSize->setTitle(texts::text(words.menu));
    for (QAction* action : m_tableSizes)
        action->setText(texts::text(words.percent).arg(action->data().toInt()));
}

// Keeps the new size in view.ini, then starts again in place, as a Quit would end: the
// settings written, the game left for the new program to resume.
void TForm1::tableSizeChosen(int percent) {
    const texts::TableSizeTexts& words = texts::tableSize(m_game.Language());
    const viewfile::LoadResult read = viewfile::load(m_settingsFolder);
    if (read.view.tableSize == percent)
        return;
    viewfile::View view = read.view;
    view.tableSize = percent;
    // A damaged file that could not be set aside is never written over.
    const fileaccess::WriteResult written =
        read.status == viewfile::LoadStatus::Stuck
            ? fileaccess::WriteResult{EEXIST, viewfile::filePath(m_settingsFolder)}
            : viewfile::save(m_settingsFolder, view);
    if (!written.ok()) {
        checkTableSize();
        errorbox::show(this, texts::text(texts::errors().title),
                       texts::text(words.notWritten).arg(written.path));
        return;
    }
    save_configuration();
    const int error = m_restart ? m_restart() : tablescale::restartInPlace();
    if (error != 0)
        errorbox::show(this, texts::text(texts::errors().title), texts::text(words.notRestarted));
}
