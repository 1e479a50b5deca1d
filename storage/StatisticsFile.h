#pragma once

#include <vector>

#include <QString>

#include "FileAccess.h"
#include "Statistics.h"

// statistics.ini in the user's data folder, shared by every running copy of the program: each
// change takes the lock beside it, reads the file as it stands, applies its events and replaces
// the file whole through statistics.in_.
namespace statisticsfile {

inline constexpr char FileName[] = "statistics.ini";
inline constexpr char TempName[] = "statistics.in_";
inline constexpr char LockName[] = "statistics.lock";
// Seven short lines; anything longer is not a file this program wrote.
inline constexpr qint64 MaxBytes = 4096;

// $XDG_DATA_HOME/vestorine, ~/.local/share/vestorine by default.
QString folder();
QString filePath(const QString& folder);
QString lockPath(const QString& folder);

enum class LoadStatus {
    Missing,  // no file yet: counting starts at zero
    Loaded,   // counts read
    SetAside, // damaged or unreadable, renamed to setAsidePath: counting starts at zero
    Stuck,    // damaged and could not be set aside (or no lock): it must not be written over
};

struct LoadResult {
    LoadStatus status = LoadStatus::Missing;
    vestorine::Statistics counts;
    QString setAsidePath; // SetAside: where the damaged file now is
};

// The counts as they stand on disk now, read under the lock.
LoadResult load(const QString& folder);

struct UpdateResult {
    LoadResult read;                 // what was on disk before the events
    vestorine::Statistics counts;    // the counts after them
    fileaccess::WriteResult written; // ok, or why the file still holds the old counts
};

// Under the lock: reads the file, applies the events in order and replaces the file.
UpdateResult apply(const QString& folder, const std::vector<vestorine::StatisticsEvent>& events);

} // namespace statisticsfile
