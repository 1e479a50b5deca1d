#include "ViewFile.h"

#include <QDir>
#include <QFile>

#include <charconv>
#include <set>

#include "SettingsFile.h"

namespace viewfile {
namespace {

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Applies one key=value line to view; false when the value is not one this program writes.
bool apply(std::string_view key, std::string_view value, View& view, bool& versioned) {
    const auto n = number(value);
    if (key == "version") {
        versioned = n == Version;
        return versioned;
    }
    if (key == "four-colour") {
        view.fourColour = n == 1;
        return n == 0 || n == 1;
    }
    if (key == "table-size") {
        view.tableSize = n.value_or(0);
        return n && isTableSize(*n);
    }
    return true;
}

} // namespace

bool isTableSize(int percent) {
    for (int size : TableSizes)
        if (size == percent)
            return true;
    return false;
}

std::string format(const View& view) {
    return "version=" + std::to_string(Version) + "\nfour-colour=" + (view.fourColour ? "1" : "0") +
           "\ntable-size=" + std::to_string(view.tableSize) + "\n";
}

std::optional<View> parse(std::string_view text) {
    View view;
    bool versioned = false;
    std::set<std::string_view> seen;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const std::string_view key = line.substr(0, equals);
        if (!seen.insert(key).second || !apply(key, line.substr(equals + 1), view, versioned))
            return std::nullopt;
    }
    if (!versioned)
        return std::nullopt;
    return view;
}

QString folder() {
    return settingsfile::folder();
}

QString filePath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(FileName));
}

LoadResult load(const QString& folder) {
    const QString path = filePath(folder);
    // One byte more than a sound file can hold tells an overlong file from a full one.
    const fileaccess::ReadResult read = fileaccess::readStart(path, MaxBytes + 1);
    if (read.status == fileaccess::ReadStatus::Missing)
        return {};
    if (read.status == fileaccess::ReadStatus::Read && qint64(read.text.size()) <= MaxBytes) {
        if (const auto view = parse(read.text))
            return {LoadStatus::Loaded, *view, {}};
    }
    // Under a name that never replaces an earlier damaged file.
    const fileaccess::SetAsideResult aside = fileaccess::setAside(path);
    if (!aside.ok())
        return {LoadStatus::Stuck, {}, {}};
    return {LoadStatus::SetAside, {}, aside.path};
}

fileaccess::WriteResult save(const QString& folder, const View& view) {
    return fileaccess::replaceFile(folder, FileName, TempName, format(view),
                                   fileaccess::Access::Writable);
}

int keptTableSize(const QString& folder) {
    const fileaccess::ReadResult read = fileaccess::readStart(filePath(folder), MaxBytes);
    if (read.status != fileaccess::ReadStatus::Read)
        return TableSizes[0];
    const auto view = parse(read.text);
    return view ? view->tableSize : TableSizes[0];
}

} // namespace viewfile
