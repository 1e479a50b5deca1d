#include "Unit1.h"

#include "GameSession.h"
#include "GameState.h"
#include "Languages.h"
#include "Settings.h"
#include "access/TableCells.h"
#include "common/Catalog.h"
#include "common/ShellOpen.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QToolButton>
#include <QWindow>

namespace {

// "MenuEnglish", "MenuFrancais", "MenuDeutsch": the language's own name in plain letters.
QString itemName(int language) {
    QString name = QStringLiteral("Menu");
    for (const QChar c : texts::languageName(language).normalized(QString::NormalizationForm_D))
        if (c.unicode() < 128 && c.isLetter())
            name += c;
    return name;
}

} // namespace

void TForm1::createLanguageItems() {
    translation::follow(this, [this](int language) {
        if (m_languageChosen)
            applyLanguage(language);
    });
    auto* group = new QActionGroup(this);
    for (const vestorine::LanguageInfo& info : vestorine::Languages) {
        const int language = info.code;
        auto* action = new QAction(texts::languageName(language), MenuLangue);
        action->setObjectName(itemName(language));
        action->setData(language);
        action->setCheckable(true);
        action->setChecked(language == m_game.Language());
        group->addAction(action);
        MenuLangue->addAction(action);
        m_languageItems.push_back(action);
        connect(action, &QAction::triggered, this,
                [this, language] { outsideDeal([this, language] { switchLanguage(language); }); });
    }
}

// Every text that follows the language is rewritten, in every window, by the catalog of the
// language: each window does it on the LanguageChange the catalog sends. The game, the fonts and
// the blinking are left as they are.
void TForm1::switchLanguage(int language) {
    for (QAction* item : m_languageItems)
        if (item->data().toInt() == language)
            item->setChecked(true);
    m_languageChosen = true;
    translation::install(language);

    m_session->setLanguage(language);
    showStatus();
    m_cells->languageChanged();
    showDealNumber();
}

void TForm1::applyLanguage(int language) {
    const texts::MainTexts set = texts::mainWindow(language);
    setWindowTitle(texts::mainAtStart().title + QString::fromLatin1(vestorine::VersionSuffix));
    MenuFile->setTitle(set.file);
    MenuDeal32->setText(set.deal);
    MenuResume->setText(texts::files(language).resume);
    MenuStats->setText(set.stats);
    Menuquitter->setText(set.quit);
    SpeedButtonDeal->setAccessibleName(set.deal);
    MenuDos->setText(set.dos);
    MenuLangue->setTitle(set.langue);
    MenuChooseDeal->setText(texts::deals(language).choose);
    MenuView->setTitle(texts::view(language).view);
    MenuFourColour->setText(texts::view(language).fourColour);
    applyTableSizeLanguage(language);
    menulisezmoi->setText(set.readme);
    MenuApropos->setText(set.apropos);
    MenuKeys->setText(texts::spoken(language).keysHelpTitle);
    ImageJeu->setAccessibleDescription(texts::spoken(language).gridHint);
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
