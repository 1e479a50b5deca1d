#pragma once

#include <QString>

#include "FileAccess.h"
#include "Statistics.h"

// statistics.ini in the user's data folder, replaced whole through statistics.in_ beside it.
namespace statisticsfile {

inline constexpr char FileName[] = "statistics.ini";
inline constexpr char TempName[] = "statistics.in_";
// Where a file that cannot be read or understood is kept, rather than written over.
inline constexpr char DamagedName[] = "statistics.ini.bad";
// Seven short lines; anything longer is not a file this program wrote.
inline constexpr qint64 MaxBytes = 4096;

// $XDG_DATA_HOME/vestorine, ~/.local/share/vestorine by default.
QString folder();
QString filePath(const QString& folder);

enum class LoadStatus {
    Missing,  // no file yet: counting starts at zero
    Loaded,   // counts read
    SetAside, // damaged or unreadable, renamed to statistics.ini.bad: counting starts at zero
    Stuck,    // damaged and could not be renamed: it must not be written over
};

struct LoadResult {
    LoadStatus status = LoadStatus::Missing;
    vestorine::Statistics counts;
};

LoadResult load(const QString& folder);
fileaccess::WriteResult save(const QString& folder, const vestorine::Statistics& counts);

} // namespace statisticsfile
