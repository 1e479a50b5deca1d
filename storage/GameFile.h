#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>

#include "FileAccess.h"
#include "GameRecord.h"

class FileLock;

// The unfinished game of each running copy, in its own game-<unique>.ini in the data folder,
// held under a lock (game-<unique>.lock) while that copy runs: two copies never write over each
// other's game, and a game no running copy holds is one left by a close, a crash or a logout.
class GameFile {
public:
    // A new name in folder ($XDG_DATA_HOME/vestorine when empty), its lock taken at once.
    explicit GameFile(const QString& folder = {});
    ~GameFile();
    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;

    QString path() const { return m_path; }
    // Whether the lock is held; without it nothing is written.
    bool held() const;

    // Replaces the file atomically with the game as it stands.
    fileaccess::WriteResult save(const vestorine::GameRecord& record);
    // At the verdict: the game is finished, nothing is left to resume.
    void remove();

private:
    QString m_path;
    std::unique_ptr<FileLock> m_lock;
};

namespace gamefile {

struct Unfinished {
    bool found = false;
    QString path; // the game file found
    vestorine::GameRecord record;
    QStringList setAside; // damaged game files moved aside on the way, where they now are
    // How many of those held a game that may have been under way: each still counts as played.
    int setAsideStarted = 0;
    QStringList foldersSetAside; // folders that stood where a game file goes, moved aside
};

// The most recently written game file that no running copy holds. Damaged ones, and folders in
// their place, are set aside (name.bad, name.bad.1, ...) and skipped.
Unfinished findUnfinished(const QString& folder = {});

// The one game file at path, when no running copy holds it; set aside when damaged.
Unfinished findAt(const QString& path);

// Removes the lock files that no game file and no running copy go with: a copy killed before
// its first game, or after its last, leaves one behind.
void removeDeadLocks(const QString& folder = {});

// Removes a game file found free, with its lock file; false when a copy holds it meanwhile.
bool discard(const QString& path);

// Takes a game file found free under its lock, so that one copy only ever resumes or replaces
// it: when the lock is had and the file is still there, runs use(); the file and its lock file
// are removed when use() returns true. False when another copy came first.
bool takeOver(const QString& path, const std::function<bool()>& use);

QString lockPathOf(const QString& gamePath);

} // namespace gamefile
