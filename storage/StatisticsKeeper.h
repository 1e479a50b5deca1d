#pragma once

#include <vector>

#include <QObject>
#include <QString>

#include "Statistics.h"

class QFileSystemWatcher;

// This copy's side of the shared statistics. It knows whether a game of this copy is in
// progress; the counts themselves live on disk, where every running copy applies its events one
// at a time under a lock, so each game is counted exactly once however many copies run.
class StatisticsKeeper : public QObject {
    Q_OBJECT
public:
    explicit StatisticsKeeper(QObject* parent = nullptr);

    // For tests: where statistics.ini lives.
    void setFolder(const QString& folder);
    // The player's data folder this copy uses; the unfinished games live there too.
    QString folder();

    // The counts as they stand on disk now, with this copy's events that could not be written
    // yet.
    const vestorine::Statistics& counts();

    // Applies one event of this copy's game (or a reset) to the file, if it counts.
    void record(vestorine::StatisticsEvent event);

    // This copy goes on with a game resumed from disk; when started, only its end counts.
    void resumed(bool started);
    // A started game left unfinished on disk by a copy gone, replaced by this copy's new deal.
    void leftGameAbandoned();
    bool gameInProgress() const { return m_tracker.inProgress(); }

    void gameStarted();
    void won(vestorine::WinKind kind);
    void lost();
    void abandoned();
    // Zero everywhere, written at once; a game in progress no longer counts.
    void reset();

    // Writes the events that could not be written yet, if any: true when none is left.
    bool retry();
    // The games the file has not heard of, or not heard the end of, yet.
    int pendingGames() const;

signals:
    // This copy changed the counts, or another copy changed the file.
    void changed();
    // The first write of a run of failed ones: a full disk would otherwise interrupt every game.
    void writeFailed(const QString& path, int error);
    // A damaged statistics.ini was moved to path; counting started again at zero.
    void fileSetAside(const QString& path);

private:
    void flush();
    void watch();

    QString m_folder;
    vestorine::StatisticsTracker m_tracker;
    // This copy's events the file does not hold yet, written with the next success.
    std::vector<vestorine::StatisticsEvent> m_pending;
    vestorine::Statistics m_counts;
    QFileSystemWatcher* m_watcher = nullptr;
    bool m_failing = false;
};
