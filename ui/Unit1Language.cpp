#include "Unit1.h"

#include "GameSession.h"
#include "GameState.h"
#include "Settings.h"
#include "UnitDeal.h"
#include "UnitDos.h"
#include "UnitKeys.h"
#include "UnitLoto.h"
#include "UnitStats.h"
#include "access/TableCells.h"
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

    m_session->setLanguage(language);
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

// Reads the settings at each activation until a file has been found; the language it asks for
// is switched to as its menu item does.
void TForm1::FormActivate() {
    if (const auto language = m_session->loadSettings())
        switchLanguage(*language);
}
