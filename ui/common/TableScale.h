#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

// The table size: the whole program drawn larger through Qt's scale factor, chosen before the
// application exists, so every window keeps its layout in its own pixels and the hit tests stay
// as they are. A new size takes effect by starting the program again in place.
namespace tablescale {

inline constexpr char ScaleVariable[] = "QT_SCALE_FACTOR";
// Names, to the program started again in place, the game file it brings back to the table.
inline constexpr char ResumeVariable[] = "VESTORINE_RESUME";

// The size kept in view.ini, 100 when there is none. A damaged file is left where it is: the
// window sets it aside and tells the player.
int chosenSize(const QString& folder);

// "1.5" for 150 %.
QByteArray factorText(int percent);

// Before the application is created: sets the scale factor of the chosen size, unless the
// player has set one of their own. True when it set it.
bool applyBeforeStart();
// Once the application exists: the programs it opens (a text editor for the readme) must not
// inherit the factor.
void forgetOwnFactor(bool own);

// The program's own command line as the system holds it (NUL-separated arguments).
std::vector<std::string> commandLine(std::string_view procCmdline);

// Starts this program again, same command line, asking it to resume the game at gamePath (none
// when empty). Returns only on failure, with the errno.
int restartInPlace(const QString& gamePath);

// In a program started again in place: the game file it was asked to resume, once; empty in any
// other start.
QString takeResumePath();

} // namespace tablescale
