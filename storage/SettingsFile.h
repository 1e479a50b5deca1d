#pragma once

#include <functional>
#include <string>

#include <QString>

#include "FileAccess.h"
#include "Settings.h"

// The settings file on disk: one vestorine.ini in the user's configuration folder, replaced
// whole through vestorine.in_ beside it.
namespace settingsfile {

inline constexpr char IniName[] = "vestorine.ini";
inline constexpr char TempIniName[] = "vestorine.in_";
// Only the start of a file is read, so a stray huge file cannot stall the start.
inline constexpr qint64 MaxReadBytes = 64 * 1024;

// $XDG_CONFIG_HOME/vestorine, ~/.config/vestorine by default.
QString folder();

enum class LoadStatus { Missing, Loaded, Unreadable };

struct LoadResult {
    LoadStatus status = LoadStatus::Missing;
    vestorine::SettingsRead values;
    QString path;  // the file read
    int error = 0; // Unreadable: the errno of the failure
};

QString filePath(const QString& folder);

// Reads the file in folder. Of a file that exists but cannot be read nothing is applied.
LoadResult load(const QString& folder);

// Writes text to the temporary file, flushes it to disk and renames it over the settings file.
// On any failure the old file stays as it was and the temporary file is removed.
fileaccess::WriteResult save(const QString& folder, const std::string& text);

// For tests: runs between writing the temporary file and renaming it into place.
void setBeforeRename(std::function<void()> hook);

} // namespace settingsfile
