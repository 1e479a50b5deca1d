#include "GameFile.h"

#include <cerrno>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "FileLock.h"
#include "StatisticsFile.h"

namespace {

constexpr qint64 MaxBytes = 4096;

QString folderOr(const QString& folder) {
    return folder.isEmpty() ? statisticsfile::folder() : folder;
}

} // namespace

namespace gamefile {

QString lockPathOf(const QString& gamePath) {
    QString path = gamePath;
    path.chop(4); // ".ini"
    return path + QStringLiteral(".lock");
}

namespace {

// Looks at one candidate under its lock: true when it holds a game to resume.
bool examine(const QFileInfo& file, Unfinished& result) {
    // The lock is held while the file is read and set aside, so no copy takes it meanwhile.
    const QString lockPath = lockPathOf(file.filePath());
    const FileLock lock(lockPath, FileLock::Mode::Try);
    if (!lock.held())
        return false;
    const fileaccess::ReadResult read = fileaccess::readStart(file.filePath(), MaxBytes + 1);
    if (read.status == fileaccess::ReadStatus::Missing) {
        QFile::remove(lockPath);
        return false;
    }
    const auto record = read.status == fileaccess::ReadStatus::Read
                            ? vestorine::parseGameRecord(read.text)
                            : std::nullopt;
    if (record) {
        result.found = true;
        result.path = file.filePath();
        result.record = *record;
        return true;
    }
    const bool folder = read.error == EISDIR;
    const fileaccess::SetAsideResult aside = fileaccess::setAside(file.filePath());
    if (!aside.ok())
        return false;
    QFile::remove(lockPath);
    if (folder) {
        result.foldersSetAside << aside.path;
        return false;
    }
    result.setAside << aside.path;
    // What cannot be read may have been a game under way: it counted when it started.
    if (read.status != fileaccess::ReadStatus::Read || vestorine::mayHaveStarted(read.text))
        ++result.setAsideStarted;
    return false;
}

} // namespace

Unfinished findUnfinished(const QString& folder) {
    Unfinished result;
    // Folders too: one named like a game file is damage to set aside and tell, once.
    const QFileInfoList files =
        QDir(folderOr(folder))
            .entryInfoList({QStringLiteral("game-*.ini")}, QDir::Files | QDir::Dirs | QDir::System,
                           QDir::Time);
    for (const QFileInfo& file : files)
        if (examine(file, result))
            break;
    return result;
}

Unfinished findAt(const QString& path) {
    Unfinished result;
    if (QFileInfo(path).fileName().startsWith(QStringLiteral("game-")))
        examine(QFileInfo(path), result);
    return result;
}

void removeDeadLocks(const QString& folder) {
    const QDir dir(folderOr(folder));
    for (const QFileInfo& lockFile :
         dir.entryInfoList({QStringLiteral("game-*.lock")}, QDir::Files)) {
        QString gamePath = lockFile.filePath();
        gamePath.chop(5); // ".lock"
        gamePath += QStringLiteral(".ini");
        const FileLock lock(lockFile.filePath(), FileLock::Mode::Try);
        // Held: a running copy's. With its game beside it: kept for the copy that resumes it.
        if (lock.held() && !QFileInfo::exists(gamePath))
            QFile::remove(lockFile.filePath());
    }
}

bool discard(const QString& path) {
    const QString lockPath = lockPathOf(path);
    const FileLock lock(lockPath, FileLock::Mode::Try);
    if (!lock.held())
        return false;
    QFile::remove(path);
    QFile::remove(lockPath);
    return true;
}

bool takeOver(const QString& path, const std::function<bool()>& use) {
    const QString lockPath = lockPathOf(path);
    const FileLock lock(lockPath, FileLock::Mode::Try);
    // A copy that took it over first has removed it.
    if (!lock.held() || !QFile::exists(path) || !use())
        return false;
    QFile::remove(path);
    QFile::remove(lockPath);
    return true;
}

} // namespace gamefile

GameFile::GameFile(const QString& folder) {
    const QString name = QStringLiteral("game-%1-%2-%3.ini")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QDateTime::currentMSecsSinceEpoch())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
    m_path = QDir(folderOr(folder)).filePath(name);
    m_lock = std::make_unique<FileLock>(gamefile::lockPathOf(m_path), FileLock::Mode::Try);
}

GameFile::~GameFile() {
    // A game left unfinished keeps its lock file for the copy that resumes it.
    if (!QFile::exists(m_path))
        QFile::remove(gamefile::lockPathOf(m_path));
}

bool GameFile::held() const {
    return m_lock->held();
}

fileaccess::WriteResult GameFile::save(const vestorine::GameRecord& record) {
    if (!held())
        return {m_lock->error() != 0 ? m_lock->error() : EIO, m_path};
    const QFileInfo info(m_path);
    const QByteArray name = QFile::encodeName(info.fileName());
    const QByteArray temp = name + "_";
    return fileaccess::replaceFile(info.path(), name.constData(), temp.constData(),
                                   vestorine::formatGameRecord(record),
                                   fileaccess::Access::Writable);
}

void GameFile::remove() {
    QFile::remove(m_path);
}
