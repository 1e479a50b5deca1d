#pragma once

#include <QString>

// An advisory lock (flock) on a small file, held while this object lives. Every copy of the
// program that shares a file takes the lock beside it before reading and replacing it.
class FileLock {
public:
    enum class Mode { Wait, Try };

    // Makes the lock file (and its folder) when missing.
    FileLock(const QString& path, Mode mode = Mode::Wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return m_fd >= 0 && m_error == 0; }
    // The errno of the failure; EWOULDBLOCK when another holder has it and mode was Try.
    int error() const { return m_error; }

    // Whether some holder, in this process or another, holds the lock on path now.
    static bool isHeld(const QString& path);

private:
    int m_fd = -1;
    int m_error = 0;
};
