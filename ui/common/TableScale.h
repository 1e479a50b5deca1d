#pragma once

#include <QByteArray>
#include <QMargins>
#include <QSize>
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
// Names, to the program started again in place, the smaller size it takes for this run only
// because the kept one did not fit the screen.
inline constexpr char FallbackVariable[] = "VESTORINE_SIZE_FALLBACK";

// The size kept in view.ini, 100 when there is none. A damaged file is left where it is: the
// window sets it aside and tells the player.
int chosenSize(const QString& folder);

// "1.5" for 150 %.
QByteArray factorText(int percent);

// Before the application is created: sets the scale factor of the chosen size (or of the smaller
// one a restart asked for), unless the player has set one of their own. True when it set it.
bool applyBeforeStart();
// The size this run is drawn at, 0 when the player's own factor decides.
int sizeInUse();
// The kept size this run could not show on its screen, 0 when it shows the kept one.
int keptTooLarge();

// A window on its screen, all in this run's pixels: the window's own size, the frame the window
// manager draws around it, the screen's area left free by panels. The window keeps its size in
// its own pixels at every factor; the frame does not grow with it.
struct Placement {
    QSize window;
    QMargins frame;
    QSize available;
    int runPercent = 100; // the size this run is drawn at
    double ratio = 1.0;   // the screen's device pixels per pixel of this run
};
// What the window with its frame needs at a size and what the screen offers, in device pixels.
struct Fit {
    QSize needs;
    QSize offers;
    bool fits() const {
        return needs.width() <= offers.width() && needs.height() <= offers.height();
    }
};
Fit fitAt(const Placement& placement, int percent);
// The largest size offered that fits, else the described one, the smallest offered.
int largestFitting(const Placement& placement);
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

// Starts this program again at `percent` for the next run only, the kept choice left as it is,
// resuming the game at gamePath. Returns only on failure, with the errno.
int restartSmaller(int percent, const QString& gamePath);

} // namespace tablescale
