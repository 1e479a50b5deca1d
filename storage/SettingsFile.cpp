#include "SettingsFile.h"

#include <QDir>
#include <QStandardPaths>

namespace settingsfile {

// Named here rather than taken from the application name, which keeps its capital for the
// desktop's window matching.
QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vestorine");
}

QString filePath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(IniName));
}

LoadResult load(const QString& folder) {
    const QString path = filePath(folder);
    const fileaccess::ReadResult read = fileaccess::readStart(path, MaxReadBytes);
    if (read.status == fileaccess::ReadStatus::Missing)
        return {LoadStatus::Missing, {}, path, 0};
    if (read.status == fileaccess::ReadStatus::Failed)
        return {LoadStatus::Unreadable, {}, path, read.error};
    return {LoadStatus::Loaded, vestorine::parseSettings(read.text), path, 0};
}

fileaccess::WriteResult save(const QString& folder, const std::string& text) {
    return fileaccess::replaceFile(folder, IniName, TempIniName, text,
                                   fileaccess::Access::ReadOnly);
}

void setBeforeRename(std::function<void()> hook) {
    fileaccess::setBeforeRename(std::move(hook));
}

} // namespace settingsfile
