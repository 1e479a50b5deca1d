#pragma once

#include <functional>

#include <QString>

class QUrl;

// The desktop's opener, for web addresses and documents, behind one seam so tests start nothing.
namespace shell {

using Opener = std::function<bool(const QUrl&)>;

// Replaces the opener; an empty function brings back the desktop's own.
void setOpener(Opener opener);
// Asks the desktop to open url; the outcome is only passed on.
bool open(const QUrl& url);

// The folders the readme files are looked for in: the installed data folder, then the folder
// of the executable, which is where a build tree keeps them.
QStringList dataFolders();
// readme.txt for English, lisezmoi.txt otherwise, from the first folder that holds it; empty
// when none does.
QString findReadme(int language, const QStringList& folders);
QString readmePath(int language);
// Opens the readme of the language; a missing file gives no message.
void openReadme(int language);

} // namespace shell
