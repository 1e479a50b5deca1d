#pragma once

#include <functional>
#include <string>

#include <QString>

#include "FileAccess.h"
#include "Settings.h"

class QWidget;

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
};

// Reads the file in folder. A file that exists but cannot be read is reported in one error box
// and nothing of it is applied.
LoadResult load(const QString& folder, QWidget* parent);

// Writes text to the temporary file, flushes it to disk and renames it over the settings file.
// On any failure the old file stays as it was, the temporary file is removed and the error box
// "Err vestorine.ini" is shown once.
bool save(const QString& folder, const std::string& text, QWidget* parent);

// The error box of every file the program writes; replaceable so that tests see the box without
// blocking. An empty function brings back the real box.
using ErrorBox = fileaccess::ErrorBox;
void setErrorBox(ErrorBox box);

// For tests: runs between writing the temporary file and renaming it into place.
void setBeforeRename(std::function<void()> hook);

} // namespace settingsfile
