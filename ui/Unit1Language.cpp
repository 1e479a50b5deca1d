#include "Unit1.h"

#include "GameState.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "UnitDeal.h"
#include "UnitDos.h"
#include "UnitKeys.h"
#include "UnitLoto.h"
#include "UnitStats.h"
#include "access/TableCells.h"
#include "common/ErrorBox.h"
#include "common/ShellOpen.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <QWindow>

void TForm1::MenuEnglishClick() {
    switchLanguage(vestorine::English);
}

void TForm1::MenuFrancaisClick() {
    switchLanguage(vestorine::French);
}

// Rewrites every text that follows the language, in every window; the game, the fonts and the
// blinking are left as they are.
void TForm1::switchLanguage(int language) {
    const bool english = language == vestorine::English;
    (english ? MenuEnglish : MenuFrancais)->setChecked(true);

    const texts::MainTexts& set = texts::mainWindow(language);
    setWindowTitle(texts::text(texts::mainAtStart().title) +
                   QString::fromLatin1(vestorine::VersionSuffix));
    MenuFile->setTitle(texts::text(set.file));
    MenuDeal32->setText(texts::text(set.deal));
    MenuResume->setText(texts::text(texts::files(language).resume));
    MenuStats->setText(texts::text(set.stats));
    SpeedButtonDeal->setAccessibleName(texts::text(set.deal));
    MenuDos->setText(texts::text(set.dos));
    MenuLangue->setTitle(texts::text(set.langue));
    MenuChooseDeal->setText(texts::text(texts::deals(language).choose));
    MenuView->setTitle(texts::text(texts::view(language).view));
    MenuFourColour->setText(texts::text(texts::view(language).fourColour));
    applyTableSizeLanguage(language);
    menulisezmoi->setText(texts::text(set.readme));
    MenuApropos->setText(texts::text(set.apropos));
    MenuKeys->setText(texts::text(texts::spoken(language).keysHelpTitle));
    ImageJeu->setAccessibleDescription(texts::text(texts::spoken(language).gridHint));
    if (m_keysWindow)
        m_keysWindow->applyLanguage(language);
    if (m_dos)
        m_dos->applyLanguage(language);
    if (m_loto)
        m_loto->applyLanguage(language);
    if (m_stats)
        m_stats->applyLanguage(language);
    if (m_dealDialog)
        m_dealDialog->applyLanguage(language);

    m_game.setLanguage(language);
    showStatus();
    m_cells->languageChanged();
    showDealNumber();
}

void TForm1::menulisezmoiClick() {
    shell::openReadme(m_game.Language());
}

// The focus, not the activation state: a window stays "active" while one of its own small
// windows, transient for it, has the focus, so coming back from one of them changes no state.
void TForm1::watchActivation() {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused == windowHandle())
            outsideDeal([this] { FormActivate(); });
    });
}

// Reads the settings at each activation until a file has been found.
void TForm1::FormActivate() {
    if (ConfigLoaded)
        return;
    // Set before reading: the error box of an unreadable file activates this window again.
    ConfigLoaded = true;
    const settingsfile::LoadResult read = settingsfile::load(m_settingsFolder);
    if (read.status == settingsfile::LoadStatus::Missing)
        ConfigLoaded = false;
    if (read.status == settingsfile::LoadStatus::Unreadable) {
        m_settingsAtUnreadable = vestorine::formatSettings(m_game.Language(), m_back);
        const int language = m_game.Language();
        errorbox::show(this, texts::text(texts::errors().readTitle),
                       texts::text(texts::files(language).settingsNotRead)
                           .arg(read.path, texts::cause(language, read.error)));
    }
    if (read.status != settingsfile::LoadStatus::Loaded)
        return;
    if (read.values.language)
        switchLanguage(*read.values.language);
    if (read.values.deck)
        vestorine::applyDeckCode(m_back, *read.values.deck);
    // What the file holds, as this copy would write it: another copy may replace the file
    // meanwhile, and this one writes it back only after a change of its own.
    m_settingsAtUnreadable = vestorine::formatSettings(m_game.Language(), m_back);
}

// Writes the language and the card back for the next run, when there was no file or this run
// changed them. A file read, or one that could not be read, may hold another copy's or the
// player's own choice: it is replaced only by a choice made in this run.
void TForm1::save_configuration() {
    const std::string text = vestorine::formatSettings(m_game.Language(), m_back);
    if (m_settingsAtUnreadable && *m_settingsAtUnreadable == text)
        return;
    const fileaccess::WriteResult written = settingsfile::save(m_settingsFolder, text);
    if (!written.ok())
        fileProblem(texts::text(texts::errors().settingsNotWritten),
                    texts::text(texts::files(m_game.Language()).settingsNotWritten)
                        .arg(written.path, texts::cause(m_game.Language(), written.error)));
}
