#include "StatisticsKeeper.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

#include "StatisticsFile.h"

StatisticsKeeper::StatisticsKeeper(QObject* parent)
    : QObject(parent) {}

void StatisticsKeeper::setFolder(const QString& folder) {
    m_folder = folder;
    delete m_watcher;
    m_watcher = nullptr;
}

QString StatisticsKeeper::folder() {
    if (m_folder.isEmpty())
        m_folder = statisticsfile::folder();
    return m_folder;
}

const vestorine::Statistics& StatisticsKeeper::counts() {
    const statisticsfile::LoadResult read = statisticsfile::load(folder());
    m_counts = read.counts;
    for (const vestorine::StatisticsEvent event : m_pending)
        m_counts = vestorine::applyStatisticsEvent(m_counts, event);
    watch();
    if (read.status == statisticsfile::LoadStatus::SetAside)
        emit fileSetAside(read.setAsidePath);
    return m_counts;
}

void StatisticsKeeper::record(vestorine::StatisticsEvent event) {
    // Whether it counts is this copy's own affair: its game started, or ended once.
    if (!m_tracker.accept(event))
        return;
    m_pending.push_back(event);
    flush();
    emit changed();
}

void StatisticsKeeper::flush() {
    const statisticsfile::UpdateResult update = statisticsfile::apply(folder(), m_pending);
    m_counts = update.counts;
    watch();
    if (update.read.status == statisticsfile::LoadStatus::SetAside)
        emit fileSetAside(update.read.setAsidePath);
    if (update.written.ok()) {
        m_pending.clear();
        m_failing = false;
        return;
    }
    if (m_failing)
        return;
    m_failing = true;
    emit writeFailed(statisticsfile::filePath(m_folder), update.written.error);
}

bool StatisticsKeeper::retry() {
    if (!m_pending.empty()) {
        flush();
        if (m_pending.empty())
            emit changed();
    }
    return m_pending.empty();
}

int StatisticsKeeper::pendingGames() const {
    int games = 0;
    bool open = false; // a game whose start is among the pending events
    for (const vestorine::StatisticsEvent event : m_pending) {
        if (event == vestorine::StatisticsEvent::Reset)
            continue;
        const bool start = event == vestorine::StatisticsEvent::GameStarted;
        // An end alone belongs to a game whose start was written before.
        if (start || !open)
            ++games;
        open = start;
    }
    return games;
}

// The folder is watched, not the file: every write replaces the file by another.
void StatisticsKeeper::watch() {
    if ((m_watcher && !m_watcher->directories().isEmpty()) || !QFileInfo(m_folder).isDir())
        return;
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &StatisticsKeeper::changed);
    }
    m_watcher->addPath(m_folder);
}

void StatisticsKeeper::resumed(bool started) {
    if (started)
        m_tracker.resumeStarted();
}

void StatisticsKeeper::leftGameAbandoned() {
    // Not this copy's game: its tracker has nothing to say about it.
    m_pending.push_back(vestorine::StatisticsEvent::Abandoned);
    flush();
    emit changed();
}

void StatisticsKeeper::gameStarted() {
    // Written at once: a game counts from its first card, even if the program dies in it.
    record(vestorine::StatisticsEvent::GameStarted);
}

void StatisticsKeeper::won(vestorine::WinKind kind) {
    record(kind == vestorine::WinKind::ByChain ? vestorine::StatisticsEvent::WonByChain
                                               : vestorine::StatisticsEvent::WonAtReveal);
}

void StatisticsKeeper::lost() {
    record(vestorine::StatisticsEvent::Lost);
}

void StatisticsKeeper::abandoned() {
    record(vestorine::StatisticsEvent::Abandoned);
}

void StatisticsKeeper::reset() {
    record(vestorine::StatisticsEvent::Reset);
}
