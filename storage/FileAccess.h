#pragma once

#include <functional>
#include <string>

#include <QString>

// The small files of the program: read without blocking and replaced whole and atomically. Every
// call reports what happened as a value; the windows decide what to tell the player.
namespace fileaccess {

enum class ReadStatus { Missing, Read, Failed };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::string text; // Read: at most maxBytes from the start of the file
    int error = 0;    // Failed: the errno of the failure
};

// A pipe or a device in the file's place is a failure, never a wait.
ReadResult readStart(const QString& path, qint64 maxBytes);

// The outcome of a write: done, or the errno of the step that failed.
struct WriteResult {
    int error = 0;
    QString path; // the file that was to be written
    bool ok() const { return error == 0; }
};

enum class Access { ReadOnly, Writable };

// The outcome of setting a damaged file aside: where it now is, or the errno of the failure.
struct SetAsideResult {
    QString path;
    int error = 0;
    bool ok() const { return error == 0; }
};

// Renames path to path.bad, or path.bad.1, path.bad.2, ... whichever is free first: an earlier
// damaged file is never replaced. The caller holds the file's lock.
SetAsideResult setAside(const QString& path);

// Writes text to tempName in folder (made when missing), flushes it to disk and renames it over
// name. On any failure the old file stays as it was and the temporary file is removed. When name
// is a symbolic link, the file it leads to is replaced and the link kept. path is folder/name.
WriteResult replaceFile(const QString& folder, const char* name, const char* tempName,
                        const std::string& text, Access access);

// For tests: runs between writing the temporary file and renaming it into place.
void setBeforeRename(std::function<void()> hook);

} // namespace fileaccess
