#include "StatisticsFile.h"

#include <cerrno>

#include <QDir>
#include <QStandardPaths>

#include "FileAccess.h"
#include "FileLock.h"

namespace statisticsfile {

namespace {

// Reads the file; a damaged one is set aside when the lock is held, else left as it is.
LoadResult readLocked(const QString& folder, bool locked) {
    const QString path = filePath(folder);
    // One byte more than a sound file can hold tells an overlong file from a full one.
    const fileaccess::ReadResult read = fileaccess::readStart(path, MaxBytes + 1);
    if (read.status == fileaccess::ReadStatus::Missing)
        return {};
    if (read.status == fileaccess::ReadStatus::Read && qint64(read.text.size()) <= MaxBytes) {
        if (const auto counts = vestorine::parseStatistics(read.text))
            return {LoadStatus::Loaded, *counts, {}};
    }
    if (!locked)
        return {LoadStatus::Stuck, {}, {}};
    const fileaccess::SetAsideResult aside = fileaccess::setAside(path);
    if (!aside.ok())
        return {LoadStatus::Stuck, {}, {}};
    return {LoadStatus::SetAside, {}, aside.path};
}

} // namespace

QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vestorine");
}

QString filePath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(FileName));
}

QString lockPath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(LockName));
}

LoadResult load(const QString& folder) {
    const FileLock lock(lockPath(folder));
    return readLocked(folder, lock.held());
}

UpdateResult apply(const QString& folder, const std::vector<vestorine::StatisticsEvent>& events) {
    const FileLock lock(lockPath(folder));
    UpdateResult result;
    result.read = readLocked(folder, lock.held());
    result.counts = result.read.counts;
    for (const vestorine::StatisticsEvent event : events)
        result.counts = vestorine::applyStatisticsEvent(result.counts, event);
    if (!lock.held())
        result.written = {lock.error() != 0 ? lock.error() : EIO, filePath(folder)};
    else if (result.read.status == LoadStatus::Stuck)
        result.written = {EEXIST, filePath(folder)};
    else
        result.written = fileaccess::replaceFile(folder, FileName, TempName,
                                                 vestorine::formatStatistics(result.counts),
                                                 fileaccess::Access::Writable);
    return result;
}

} // namespace statisticsfile
