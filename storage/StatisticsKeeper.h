#pragma once

#include <QObject>
#include <QString>

#include "Statistics.h"

// Keeps the counts of the games and writes them when a game starts, at every verdict and every
// abandonment, so a crash loses nothing already counted. The main window tells it what the game
// reported; the file is read at the first need, not at start.
class StatisticsKeeper : public QObject {
    Q_OBJECT
public:
    explicit StatisticsKeeper(QObject* parent = nullptr);

    // For tests: where statistics.ini lives; the next need reads it there.
    void setFolder(const QString& folder);

    const vestorine::Statistics& counts();

    // Applies one event of the game in progress (or a reset) and writes the counts if it changed
    // them.
    void record(vestorine::StatisticsEvent event);

    void gameStarted();
    void won(vestorine::WinKind kind);
    void lost();
    void abandoned();
    // Zero everywhere, written at once; a game in progress no longer counts.
    void reset();

signals:
    void changed();
    // The first write of a run of failed ones: a full disk would otherwise interrupt every game.
    void writeFailed(const QString& path, int error);

private:
    void ensureLoaded();
    void store(bool changed);
    void save();

    QString m_folder;
    vestorine::StatisticsTracker m_tracker;
    bool m_loaded = false;
    // A damaged file that could not be set aside is never written over.
    bool m_stuck = false;
    bool m_failing = false;
};
