#include "StatisticsKeeper.h"

#include <cerrno>

#include "StatisticsFile.h"

StatisticsKeeper::StatisticsKeeper(QObject* parent)
    : QObject(parent) {}

void StatisticsKeeper::setFolder(const QString& folder) {
    m_folder = folder;
    m_loaded = false;
}

const vestorine::Statistics& StatisticsKeeper::counts() {
    ensureLoaded();
    return m_tracker.counts();
}

void StatisticsKeeper::ensureLoaded() {
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_folder.isEmpty())
        m_folder = statisticsfile::folder();
    const statisticsfile::LoadResult read = statisticsfile::load(m_folder);
    m_stuck = read.status == statisticsfile::LoadStatus::Stuck;
    m_tracker.setCounts(read.counts);
}

void StatisticsKeeper::record(vestorine::StatisticsEvent event) {
    using vestorine::StatisticsEvent;
    switch (event) {
    case StatisticsEvent::GameStarted:
        return gameStarted();
    case StatisticsEvent::WonByChain:
        return won(vestorine::WinKind::ByChain);
    case StatisticsEvent::WonAtReveal:
        return won(vestorine::WinKind::AtReveal);
    case StatisticsEvent::Lost:
        return lost();
    case StatisticsEvent::Abandoned:
        return abandoned();
    case StatisticsEvent::Reset:
        return reset();
    }
}

void StatisticsKeeper::gameStarted() {
    ensureLoaded();
    // Written at once too: a game counts from its first card, even if the program dies in it.
    store(m_tracker.gameStarted());
}

void StatisticsKeeper::won(vestorine::WinKind kind) {
    ensureLoaded();
    store(m_tracker.won(kind));
}

void StatisticsKeeper::lost() {
    ensureLoaded();
    store(m_tracker.lost());
}

void StatisticsKeeper::abandoned() {
    ensureLoaded();
    store(m_tracker.abandoned());
}

void StatisticsKeeper::reset() {
    ensureLoaded();
    m_tracker.reset();
    store(true);
}

void StatisticsKeeper::store(bool changed) {
    if (!changed)
        return;
    save();
    emit this->changed();
}

void StatisticsKeeper::save() {
    const fileaccess::WriteResult written =
        m_stuck ? fileaccess::WriteResult{EEXIST, {}}
                : statisticsfile::save(m_folder, m_tracker.counts());
    if (written.ok()) {
        m_failing = false;
        return;
    }
    if (m_failing)
        return;
    m_failing = true;
    emit writeFailed(statisticsfile::filePath(m_folder), written.error);
}
