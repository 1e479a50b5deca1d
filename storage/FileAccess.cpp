#include "FileAccess.h"

#include <cerrno>
#include <climits>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileaccess {

namespace {

std::function<void()>& beforeRename() {
    static std::function<void()> hook;
    return hook;
}

// Reads up to text.size() bytes from an open file; false with errno set on a read error.
bool readAll(int fd, std::string& text) {
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

// Fills the temporary file in the open folder, sets its access and flushes it to disk.
bool writeTemp(int dir, const char* tempName, const std::string& text, Access access) {
    // An old temporary file may be read-only or left over; a fresh one is made each time.
    ::unlinkat(dir, tempName, 0);
    const int fd = ::openat(dir, tempName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        // A folder stands in its place: said as such, not as a file that exists.
        struct stat in {};
        if (errno == EEXIST && ::fstatat(dir, tempName, &in, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(in.st_mode))
            errno = EISDIR;
        return false;
    }
    struct stat st {};
    const mode_t keep = access == Access::ReadOnly ? 07555 : 07777;
    bool ok = writeAll(fd, text) && ::fstat(fd, &st) == 0 && ::fchmod(fd, st.st_mode & keep) == 0 &&
              ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

// Where a chain of symbolic links ends; the path itself when it is no link. A link to a missing
// file leads to where that file is to be made.
QString followLinks(const QString& path) {
    QString current = path;
    // As many hops as the system itself follows before it gives up on a loop.
    for (int hop = 0; hop < 40; ++hop) {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(QFile::encodeName(current).constData(), buffer, sizeof buffer);
        if (n <= 0)
            return current;
        const QString target = QFile::decodeName(QByteArray(buffer, int(n)));
        current = QDir(QFileInfo(current).absolutePath()).absoluteFilePath(target);
    }
    return current;
}

// rename() that fails with EEXIST rather than replace what is there.
int renameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the flag: the caller holds the file's lock, so no other copy of the
    // program moves a file there meanwhile.
    struct stat st {};
    if (::lstat(to.constData(), &st) == 0)
        return EEXIST;
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

} // namespace

SetAsideResult setAside(const QString& path) {
    const QByteArray from = QFile::encodeName(path);
    for (int number = 0;; ++number) {
        const QString aside = path + QStringLiteral(".bad") +
                              (number == 0 ? QString() : QStringLiteral(".%1").arg(number));
        const int error = renameNoReplace(from, QFile::encodeName(aside));
        if (error == 0)
            return {aside, 0};
        if (error != EEXIST)
            return {{}, error};
    }
}

ReadResult readStart(const QString& path, qint64 maxBytes) {
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking, so that a pipe or a device in its place cannot hold up the program.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR))
        return {};
    ReadResult result{ReadStatus::Read, std::string(std::size_t(maxBytes), '\0'), 0};
    struct stat st {};
    bool ok = fd >= 0 && ::fstat(fd, &st) == 0;
    if (ok && !S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ok = false;
    }
    ok = ok && readAll(fd, result.text);
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!ok)
        return {ReadStatus::Failed, {}, error};
    return result;
}

WriteResult replaceFile(const QString& folder, const char* name, const char* tempName,
                        const std::string& text, Access access) {
    const QString shown = QDir(folder).filePath(QString::fromLatin1(name));
    // A link stays a link: the file it leads to is replaced, through a temporary file in that
    // file's own folder so that the rename stays within one file system.
    const QFileInfo real(followLinks(shown));
    const QString realFolder = real.absolutePath();
    const QByteArray temp =
        QFile::encodeName(QDir(realFolder).filePath(QString::fromLatin1(tempName)));
    const QByteArray target = QFile::encodeName(real.absoluteFilePath());
    // The folder stays open so the temporary file can be removed even if the folder is moved
    // away meanwhile; the rename goes by path, so it fails rather than land somewhere else.
    const int dir = QDir().mkpath(realFolder) ? ::open(QFile::encodeName(realFolder).constData(),
                                                       O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                                              : -1;
    bool ok = dir >= 0 && writeTemp(dir, tempName, text, access);
    // The box names what is in the way: the temporary file's place, when that is a folder.
    const QString blocked = dir >= 0 && !ok && errno == EISDIR ? QFile::decodeName(temp) : shown;
    if (ok && beforeRename())
        beforeRename()();
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    const int error = ok ? 0 : (errno != 0 ? errno : EIO);
    if (dir >= 0) {
        if (ok)
            ::fsync(dir); // makes the rename itself durable
        else
            ::unlinkat(dir, tempName, 0);
        ::close(dir);
    }
    return {error, error == EISDIR ? blocked : shown};
}

void setBeforeRename(std::function<void()> hook) {
    beforeRename() = std::move(hook);
}

} // namespace fileaccess
