#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "FileAccess.h"

// view.ini beside the settings file: how the table looks (four-colour suits, table size). Kept
// apart so that the settings file stays its three lines. Replaced whole through view.in_.
namespace viewfile {

inline constexpr char FileName[] = "view.ini";
inline constexpr char TempName[] = "view.in_";
inline constexpr qint64 MaxBytes = 1024;
inline constexpr int Version = 1;

// The table sizes offered, in percent; the first is the default.
inline constexpr int TableSizes[] = {100, 150, 200};
bool isTableSize(int percent);

struct View {
    bool fourColour = false;
    int tableSize = 100;
    bool operator==(const View&) const = default;
};

// The file's text: a version line, then one key=value line per choice.
std::string format(const View& view);
// Nothing for a text this program did not write: another version, a bad value, a repeated key.
// A missing key keeps its default; an unknown one is passed over.
std::optional<View> parse(std::string_view text);

// The settings file's folder, $XDG_CONFIG_HOME/vestorine.
QString folder();
QString filePath(const QString& folder);

enum class LoadStatus {
    Missing,  // no file yet: the defaults
    Loaded,   // choices read
    SetAside, // damaged or unreadable, renamed to setAsidePath: the defaults
    Stuck,    // damaged and could not be renamed: the defaults, and it must not be written over
};

struct LoadResult {
    LoadStatus status = LoadStatus::Missing;
    View view;
    QString setAsidePath; // SetAside: where the damaged file now is
};

LoadResult load(const QString& folder);
// The table size the file holds, the first of TableSizes when there is none or it is damaged.
// Reads only: a damaged file is set aside by load(), which tells.
int keptTableSize(const QString& folder);
fileaccess::WriteResult save(const QString& folder, const View& view);

} // namespace viewfile
