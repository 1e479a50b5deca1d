#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include <QObject>
#include <QString>

#include "FileProblem.h"
#include "GameState.h"
#include "Statistics.h"

namespace vestorine {
struct CardBackChoice;
} // namespace vestorine

class GameFile;
class StatisticsKeeper;
namespace gamefile {
struct Unfinished;
} // namespace gamefile

// The player's session without a window: it plays the one game, keeps it on disk after every
// action, tells the statistics what each game did, and keeps the language, the back and the view.
// Every rule of when a file is written, what a Resume or a restart brings back and what is
// counted lives here. Its actions answer what the game reported, for the window to paint; a file
// problem comes as a value, for the window to put into words.
class GameSession : public QObject {
    Q_OBJECT
public:
    GameSession(vestorine::GameState& game, vestorine::CardBackChoice& back,
                QObject* parent = nullptr);
    ~GameSession() override;

    vestorine::GameState& game() { return m_game; }
    const vestorine::GameState& game() const { return m_game; }
    StatisticsKeeper& statistics() { return *m_statistics; }

    // For tests: where the settings and view.ini, and the statistics and games, are kept.
    void setSettingsFolder(const QString& folder) { m_settingsFolder = folder; }
    void setDataFolder(const QString& folder);
    QString dataFolder();
    // What starts the program again at a new size, asked to resume the game at gamePath (empty:
    // none); returns only on failure, with the errno.
    void setRestarter(std::function<int(const QString& gamePath)> restart) {
        m_restart = std::move(restart);
    }

    // Before anything can fail: the language the settings keep (for the boxes), view.ini, the
    // locks left by copies gone, and whether a game waits to be resumed.
    void start();
    // The language to speak to the player in: the one in use once chosen or read, else the one
    // the settings file keeps.
    int language() const;

    // At each activation of the window until a settings file was found: the back is applied
    // here; the language the file asks for is returned, for the window to switch as its menu does.
    std::optional<int> loadSettings();
    void setLanguage(int language);

    // The player's actions. Each answers what the game reported; the game is on disk after it.
    // A deal in two steps, the window painting the backs between them; number 0 draws one.
    void beginDeal(int number = 0);
    void endDeal();
    std::optional<int> pick(int row, int col);
    vestorine::PlaceResult place(int row, int col);
    std::optional<vestorine::RevealResult> reveal(int row, int col);
    // The most recent game no running copy holds, put on the table: false when there is none.
    bool resume();
    // The game this copy had before it started again at a new size, and only that one.
    bool resumeAfterRestart(const QString& gamePath);
    // Looks on disk again and says resumable(); another copy may have ended meanwhile.
    void lookForLeftGame();

    // The table sizes offered, in percent, the described one first.
    static std::span<const int> tableSizes();
    bool fourColour() const { return m_fourColour; }
    void setFourColour(bool on);
    // The size view.ini holds now, which another copy may have changed.
    int tableSize() const;
    // Keeps the new size and starts the program again with this game: false when it stays.
    bool chooseTableSize(int percent);

    // The Quit item or the close button: the settings when changed, and the counts still owed.
    void quit();
    // A signal: the game is on disk already; nothing more is written, whatever is still asked.
    void endBySignal();
    // Quitting or ended: a second close request writes nothing again.
    bool ending() const { return m_quitting || m_ended; }

signals:
    void problem(const FileProblem& problem);
    void resumable(bool available);

private:
    bool writes() const { return !m_ended; }
    void saveGame();
    // The count events of one action, then the counts still owed by an earlier failure.
    void record(std::optional<vestorine::StatisticsEvent> event);
    void takeOverLeftGame();
    bool resumeFound(const gamefile::Unfinished& found);
    void tellFound(const gamefile::Unfinished& found);
    void save_configuration();
    // At the end of this run: whatever the statistics could not be told is said once.
    void settleStatistics();
    void loadView();
    void report(FileProblem::Kind kind, const QStringList& paths, int error = 0, int count = 0);

    vestorine::GameState& m_game;
    vestorine::CardBackChoice& m_back;
    StatisticsKeeper* m_statistics;
    std::unique_ptr<GameFile> m_gameFile; // made at the first game to keep
    bool m_gameWriteFailing = false;
    QString m_settingsFolder;
    // True once a settings file was read; until then each activation looks again.
    bool ConfigLoaded = false;
    bool m_languageChosen = false;
    int m_keptLanguage;
    // The settings as this copy would write them, when a file was read or could not be: the
    // file is replaced only by a choice made in this run.
    std::optional<std::string> m_settingsAsRead;
    bool m_fourColour = false;
    std::function<int(const QString&)> m_restart;
    bool m_quitting = false;
    bool m_ended = false;
};
