#include "common/ShellOpen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "Languages.h"

namespace shell {

namespace {

Opener& currentOpener() {
    static Opener opener;
    return opener;
}

} // namespace

void setOpener(Opener opener) {
    currentOpener() = std::move(opener);
}

bool open(const QUrl& url) {
    if (const Opener& opener = currentOpener())
        return opener(url);
    return QDesktopServices::openUrl(url);
}

QStringList dataFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(bin + QStringLiteral("/../share/vestorine")), bin};
}

QString findReadme(int language, const QStringList& folders) {
    const std::string_view readme = vestorine::language(language).readme;
    const QString name = QString::fromLatin1(readme.data(), qsizetype(readme.size()));
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

QString readmePath(int language) {
    return findReadme(language, dataFolders());
}

void openReadme(int language) {
    const QString path = readmePath(language);
    if (!path.isEmpty())
        open(QUrl::fromLocalFile(path));
}

} // namespace shell
