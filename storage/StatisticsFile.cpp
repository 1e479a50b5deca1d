#include "StatisticsFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdio>

#include "FileAccess.h"

namespace statisticsfile {

QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vestorine");
}

QString filePath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(FileName));
}

LoadResult load(const QString& folder) {
    const QString path = filePath(folder);
    // One byte more than a sound file can hold tells an overlong file from a full one.
    const fileaccess::ReadResult read = fileaccess::readStart(path, MaxBytes + 1);
    if (read.status == fileaccess::ReadStatus::Missing)
        return {};
    if (read.status == fileaccess::ReadStatus::Read && qint64(read.text.size()) <= MaxBytes) {
        if (const auto counts = vestorine::parseStatistics(read.text))
            return {LoadStatus::Loaded, *counts};
    }
    const QString aside = QDir(folder).filePath(QString::fromLatin1(DamagedName));
    const bool moved =
        std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0;
    return {moved ? LoadStatus::SetAside : LoadStatus::Stuck, {}};
}

fileaccess::WriteResult save(const QString& folder, const vestorine::Statistics& counts) {
    return fileaccess::replaceFile(folder, FileName, TempName, vestorine::formatStatistics(counts),
                                   fileaccess::Access::Writable);
}

} // namespace statisticsfile
