#include "FileLock.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const QString& path, Mode mode) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        m_error = errno;
        return;
    }
    const int operation = mode == Mode::Try ? LOCK_EX | LOCK_NB : LOCK_EX;
    int done = 0;
    while ((done = ::flock(m_fd, operation)) != 0 && errno == EINTR) {
    }
    if (done != 0)
        m_error = errno;
}

FileLock::~FileLock() {
    // Closing the descriptor releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileLock::isHeld(const QString& path) {
    // A lock of our own descriptor conflicts with every other open of the file, even in this
    // process, so a free try tells a free file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}
