#include "SettingsFile.h"

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settingsfile {

namespace {

ErrorBox& currentBox() {
    static ErrorBox box;
    return box;
}

void showError(QWidget* parent, const QString& title, const QString& text) {
    if (const ErrorBox& box = currentBox()) {
        box(parent, title, text);
        return;
    }
    QMessageBox message(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    message.exec();
}

QByteArray nativePath(const QString& folder, const char* name) {
    return QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(name)));
}

// Reads up to MaxReadBytes from an open file; false with errno set on a read error.
bool readStart(int fd, std::string& text) {
    text.resize(MaxReadBytes);
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    text.resize(got);
    return true;
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// Fills the temporary file in the open folder, makes it read-only and flushes it to disk.
bool writeTemp(int dir, const std::string& text) {
    // An old temporary file may be read-only or left over; a fresh one is made each time.
    ::unlinkat(dir, TempIniName, 0);
    const int fd = ::openat(dir, TempIniName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = writeAll(fd, text) && ::fstat(fd, &st) == 0 &&
              ::fchmod(fd, st.st_mode & 07555) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

std::function<void()>& beforeRename() {
    static std::function<void()> hook;
    return hook;
}

} // namespace

// Named here rather than taken from the application name, which keeps its capital for the
// desktop's window matching.
QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vestorine");
}

void setErrorBox(ErrorBox box) {
    currentBox() = std::move(box);
}

LoadResult load(const QString& folder, QWidget* parent) {
    const QByteArray path = nativePath(folder, IniName);
    // Non-blocking, so that a pipe or a device in its place cannot hold up the program.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR))
        return {};
    std::string text;
    struct stat st {};
    bool ok = fd >= 0 && ::fstat(fd, &st) == 0;
    if (ok && !S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ok = false;
    }
    ok = ok && readStart(fd, text);
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!ok) {
        showError(parent, QStringLiteral("Vestorine"),
                  QStringLiteral("Cannot read the file \"%1\": %2.")
                      .arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(error))));
        return {LoadStatus::Unreadable, {}};
    }
    return {LoadStatus::Loaded, vestorine::parseSettings(text)};
}

bool save(const QString& folder, const std::string& text, QWidget* parent) {
    const QByteArray temp = nativePath(folder, TempIniName);
    const QByteArray ini = nativePath(folder, IniName);
    // The folder stays open so the temporary file can be removed even if the folder is moved
    // away meanwhile; the rename goes by path, so it fails rather than land somewhere else.
    const int dir = QDir().mkpath(folder) ? ::open(QFile::encodeName(folder).constData(),
                                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                                          : -1;
    bool ok = dir >= 0 && writeTemp(dir, text);
    if (ok && beforeRename())
        beforeRename()();
    ok = ok && ::rename(temp.constData(), ini.constData()) == 0;
    if (dir >= 0) {
        if (ok)
            ::fsync(dir); // makes the rename itself durable
        else
            ::unlinkat(dir, TempIniName, 0);
        ::close(dir);
    }
    if (!ok)
        showError(parent, QStringLiteral("Erreur"), QStringLiteral("Err vestorine.ini"));
    return ok;
}

void setBeforeRename(std::function<void()> hook) {
    beforeRename() = std::move(hook);
}

} // namespace settingsfile
