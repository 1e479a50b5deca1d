#pragma once

#include <functional>
#include <string>

#include <QString>

class QWidget;

// The small files of the program: read without blocking, replaced whole and atomically, and the
// one error box both the settings and the statistics show when a write fails.
namespace fileaccess {

enum class ReadStatus { Missing, Read, Failed };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::string text; // Read: at most maxBytes from the start of the file
    int error = 0;    // Failed: the errno of the failure
};

// A pipe or a device in the file's place is a failure, never a wait.
ReadResult readStart(const QString& path, qint64 maxBytes);

enum class Access { ReadOnly, Writable };

// Writes text to tempName in folder (made when missing), flushes it to disk and renames it over
// name. On any failure the old file stays as it was and the temporary file is removed.
bool replaceFile(const QString& folder, const char* name, const char* tempName,
                 const std::string& text, Access access);

// Shows a modal error box; replaceable so that tests see the box without blocking.
using ErrorBox = std::function<void(QWidget* parent, const QString& title, const QString& text)>;
// An empty function brings back the real box.
void setErrorBox(ErrorBox box);
void showError(QWidget* parent, const QString& title, const QString& text);

// For tests: runs between writing the temporary file and renaming it into place.
void setBeforeRename(std::function<void()> hook);

} // namespace fileaccess
