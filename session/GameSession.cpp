#include "GameSession.h"

#include <cerrno>

#include <QDir>
#include <QFileInfo>

#include "CardBack.h"
#include "GameEvents.h"
#include "GameFile.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "StatisticsFile.h"
#include "StatisticsKeeper.h"
#include "ViewFile.h"

using vestorine::GamePhase;

GameSession::GameSession(vestorine::GameState& game, vestorine::CardBackChoice& back,
                         QObject* parent)
    : QObject(parent)
    , m_game(game)
    , m_back(back)
    , m_statistics(new StatisticsKeeper(this))
    , m_settingsFolder(settingsfile::folder())
    , m_keptLanguage(vestorine::French) {
    qRegisterMetaType<FileProblem>();
    connect(m_statistics, &StatisticsKeeper::writeFailed, this,
            [this](const QString& path, int error) {
                report(FileProblem::Kind::StatisticsNotWritten, {path}, error);
            });
    connect(m_statistics, &StatisticsKeeper::fileSetAside, this,
            [this](const QString& path) { report(FileProblem::Kind::StatisticsSetAside, {path}); });
}

GameSession::~GameSession() = default;

void GameSession::setDataFolder(const QString& folder) {
    m_statistics->setFolder(folder);
}

QString GameSession::dataFolder() {
    return m_statistics->folder();
}

void GameSession::start() {
    // Only the language, so that a box before the settings are applied speaks it.
    const settingsfile::LoadResult kept = settingsfile::load(m_settingsFolder);
    if (kept.status == settingsfile::LoadStatus::Loaded && kept.values.language)
        m_keptLanguage = *kept.values.language;
    loadView();
    gamefile::removeDeadLocks(dataFolder());
    lookForLeftGame();
}

int GameSession::language() const {
    return m_languageChosen ? m_game.Language() : m_keptLanguage;
}

std::optional<int> GameSession::loadSettings() {
    if (ConfigLoaded)
        return std::nullopt;
    // Set before reading: the box of an unreadable file activates the window again.
    ConfigLoaded = true;
    const settingsfile::LoadResult read = settingsfile::load(m_settingsFolder);
    switch (read.status) {
    case settingsfile::LoadStatus::Missing:
        ConfigLoaded = false;
        return std::nullopt;
    case settingsfile::LoadStatus::Unreadable:
        m_settingsAsRead = vestorine::formatSettings(m_game.Language(), m_back);
        report(FileProblem::Kind::SettingsNotRead, {read.path}, read.error);
        return std::nullopt;
    case settingsfile::LoadStatus::Loaded:
        break;
    }
    if (read.values.deck)
        vestorine::applyDeckCode(m_back, *read.values.deck);
    // What the file holds, as this copy would write it: another copy may replace the file
    // meanwhile, and this one writes it back only after a change of its own.
    m_settingsAsRead =
        vestorine::formatSettings(read.values.language.value_or(m_game.Language()), m_back);
    return read.values.language;
}

void GameSession::setLanguage(int language) {
    m_game.setLanguage(language);
    m_languageChosen = true;
}

void GameSession::beginDeal(int number) {
    takeOverLeftGame();
    record(vestorine::interruptionEvent(m_game.phase()));
    if (number > 0)
        m_game.StartDeal(number);
    else
        m_game.StartDeal();
    // The game replaced is over on disk too, even if the program ends during the deal.
    saveGame();
}

void GameSession::endDeal() {
    m_game.EndDeal();
    saveGame();
    lookForLeftGame();
}

std::optional<int> GameSession::pick(int row, int col) {
    const auto card = m_game.Pick(row, col);
    if (card) {
        record(vestorine::pickEvent(card));
        saveGame();
    }
    return card;
}

vestorine::PlaceResult GameSession::place(int row, int col) {
    const vestorine::PlaceResult result = m_game.Place(row, col);
    if (result.outcome != vestorine::PlaceOutcome::Rejected) {
        record(vestorine::placeEvent(result));
        saveGame();
    }
    return result;
}

std::optional<vestorine::RevealResult> GameSession::reveal(int row, int col) {
    const auto revealed = m_game.Reveal(row, col);
    if (revealed) {
        record(vestorine::revealEvent(*revealed));
        saveGame();
    }
    return revealed;
}

void GameSession::record(std::optional<vestorine::StatisticsEvent> event) {
    if (!writes())
        return;
    if (event)
        m_statistics->record(*event);
    else
        m_statistics->retry();
}

void GameSession::saveGame() {
    if (!writes())
        return;
    const GamePhase phase = m_game.phase();
    if (phase == GamePhase::NotDealt || phase == GamePhase::Over) {
        if (m_gameFile)
            m_gameFile->remove();
        return;
    }
    // A lock that could not be taken (no folder yet, say) is tried again with a new file.
    if (!m_gameFile || !m_gameFile->held())
        m_gameFile = std::make_unique<GameFile>(dataFolder());
    const fileaccess::WriteResult written = m_gameFile->save(m_game.snapshot());
    if (written.ok() || std::exchange(m_gameWriteFailing, true)) {
        m_gameWriteFailing = !written.ok();
        return;
    }
    report(FileProblem::Kind::GameNotWritten, {written.path}, written.error);
}

void GameSession::takeOverLeftGame() {
    const GamePhase phase = m_game.phase();
    if (!writes() || (phase != GamePhase::NotDealt && phase != GamePhase::Over))
        return; // the deal replaces this copy's own game
    const gamefile::Unfinished left = gamefile::findUnfinished(dataFolder());
    tellFound(left);
    if (!left.found)
        return;
    gamefile::takeOver(left.path, [this, &left] {
        if (vestorine::replacedGameEvent(left.record))
            m_statistics->leftGameAbandoned();
        return true;
    });
}

bool GameSession::resume() {
    if (!writes())
        return false;
    const gamefile::Unfinished left = gamefile::findUnfinished(dataFolder());
    tellFound(left);
    const bool resumed = left.found && resumeFound(left);
    lookForLeftGame();
    return resumed;
}

bool GameSession::resumeAfterRestart(const QString& gamePath) {
    // The name comes from the environment: only a game file of this copy's data folder.
    const QFileInfo file(gamePath);
    if (!writes() || gamePath.isEmpty() || file.absolutePath() != QDir(dataFolder()).absolutePath())
        return false;
    const gamefile::Unfinished own = gamefile::findAt(file.absoluteFilePath());
    tellFound(own);
    const bool resumed = own.found && resumeFound(own);
    lookForLeftGame();
    return resumed;
}

bool GameSession::resumeFound(const gamefile::Unfinished& found) {
    // Under the lock of the file found, so that no other copy resumes the same game.
    return gamefile::takeOver(found.path, [this, &found] {
        record(vestorine::interruptionEvent(m_game.phase()));
        m_game.restore(found.record);
        // The same game goes on: it counted when it started and counts again only at its end.
        m_statistics->resumed(vestorine::hasStarted(m_game.phase()));
        saveGame();
        return true;
    });
}

void GameSession::lookForLeftGame() {
    if (!writes())
        return;
    const gamefile::Unfinished left = gamefile::findUnfinished(dataFolder());
    tellFound(left);
    emit resumable(left.found);
}

void GameSession::tellFound(const gamefile::Unfinished& found) {
    // A damaged game may have counted as played when it started: it ends, abandoned, once.
    for (int i = 0; i < found.setAsideStarted; ++i)
        m_statistics->leftGameAbandoned();
    if (!found.setAside.isEmpty())
        report(FileProblem::Kind::GamesSetAside, found.setAside);
    if (!found.foldersSetAside.isEmpty())
        report(FileProblem::Kind::FoldersSetAside, found.foldersSetAside);
}

void GameSession::loadView() {
    const viewfile::LoadResult read = viewfile::load(m_settingsFolder);
    m_fourColour = read.view.fourColour;
    if (read.status == viewfile::LoadStatus::SetAside)
        report(FileProblem::Kind::ViewSetAside, {read.setAsidePath});
}

void GameSession::setFourColour(bool on) {
    m_fourColour = on;
    if (!writes())
        return;
    // The file is shared with other copies: this choice goes onto what it holds now.
    const viewfile::LoadResult read = viewfile::load(m_settingsFolder);
    if (read.status == viewfile::LoadStatus::SetAside)
        report(FileProblem::Kind::ViewSetAside, {read.setAsidePath});
    // A damaged file that could not be set aside is never written over.
    if (read.status == viewfile::LoadStatus::Stuck)
        return;
    viewfile::View view = read.view;
    view.fourColour = on;
    const fileaccess::WriteResult written = viewfile::save(m_settingsFolder, view);
    if (!written.ok())
        report(FileProblem::Kind::ViewNotWritten, {written.path}, written.error);
}

std::span<const int> GameSession::tableSizes() {
    return viewfile::TableSizes;
}

int GameSession::tableSize() const {
    return viewfile::keptTableSize(m_settingsFolder);
}

bool GameSession::chooseTableSize(int percent) {
    if (!writes())
        return false;
    const viewfile::LoadResult read = viewfile::load(m_settingsFolder);
    if (read.view.tableSize == percent)
        return false;
    viewfile::View view = read.view;
    view.tableSize = percent;
    const fileaccess::WriteResult written =
        read.status == viewfile::LoadStatus::Stuck
            ? fileaccess::WriteResult{EEXIST, viewfile::filePath(m_settingsFolder)}
            : viewfile::save(m_settingsFolder, view);
    if (!written.ok()) {
        report(FileProblem::Kind::SizeNotWritten, {written.path}, written.error);
        return false;
    }
    // As a Quit ends, with this copy's own game, and only it, left for the new program.
    save_configuration();
    settleStatistics();
    const GamePhase phase = m_game.phase();
    const bool onDisk = m_gameFile && phase != GamePhase::NotDealt && phase != GamePhase::Over;
    const int error = m_restart ? m_restart(onDisk ? m_gameFile->path() : QString()) : ENOSYS;
    if (error != 0)
        report(FileProblem::Kind::NotRestarted, {}, error);
    return error == 0;
}

void GameSession::quit() {
    if (m_quitting || m_ended)
        return;
    m_quitting = true;
    // The game in progress stays on disk, unfinished, to be resumed or replaced by a new deal.
    save_configuration();
    settleStatistics();
    m_ended = true;
}

void GameSession::endBySignal() {
    m_ended = true;
    if (const int games = m_statistics->pendingGames(); games > 0)
        qWarning("vestorine: %d game(s) could not be counted in %s", games,
                 qPrintable(statisticsfile::filePath(dataFolder())));
}

// Writes the language and the card back for the next run, when there was no file or this run
// changed them. A file read, or one that could not be read, may hold another copy's or the
// player's own choice: it is replaced only by a choice made in this run.
void GameSession::save_configuration() {
    if (!writes())
        return;
    const std::string text = vestorine::formatSettings(m_game.Language(), m_back);
    if (m_settingsAsRead && *m_settingsAsRead == text)
        return;
    const fileaccess::WriteResult written = settingsfile::save(m_settingsFolder, text);
    if (!written.ok())
        report(FileProblem::Kind::SettingsNotWritten, {written.path}, written.error);
}

void GameSession::settleStatistics() {
    if (!writes() || m_statistics->retry())
        return;
    if (const int games = m_statistics->pendingGames(); games > 0)
        report(FileProblem::Kind::GamesUncounted, {statisticsfile::filePath(dataFolder())}, 0,
               games);
}

void GameSession::report(FileProblem::Kind kind, const QStringList& paths, int error, int count) {
    emit problem(FileProblem{kind, paths, error, count});
}
