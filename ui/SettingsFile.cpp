#include "SettingsFile.h"

#include <cstring>

#include <QDir>
#include <QStandardPaths>

namespace settingsfile {

// Named here rather than taken from the application name, which keeps its capital for the
// desktop's window matching.
QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vestorine");
}

void setErrorBox(ErrorBox box) {
    fileaccess::setErrorBox(std::move(box));
}

LoadResult load(const QString& folder, QWidget* parent) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(IniName));
    const fileaccess::ReadResult read = fileaccess::readStart(path, MaxReadBytes);
    if (read.status == fileaccess::ReadStatus::Missing)
        return {};
    if (read.status == fileaccess::ReadStatus::Failed) {
        fileaccess::showError(parent, QStringLiteral("Vestorine"),
                              QStringLiteral("Cannot read the file \"%1\": %2.")
                                  .arg(path, QString::fromLocal8Bit(std::strerror(read.error))));
        return {LoadStatus::Unreadable, {}};
    }
    return {LoadStatus::Loaded, vestorine::parseSettings(read.text)};
}

bool save(const QString& folder, const std::string& text, QWidget* parent) {
    const bool ok =
        fileaccess::replaceFile(folder, IniName, TempIniName, text, fileaccess::Access::ReadOnly);
    if (!ok)
        fileaccess::showError(parent, QStringLiteral("Erreur"),
                              QStringLiteral("Err vestorine.ini"));
    return ok;
}

void setBeforeRename(std::function<void()> hook) {
    fileaccess::setBeforeRename(std::move(hook));
}

} // namespace settingsfile
