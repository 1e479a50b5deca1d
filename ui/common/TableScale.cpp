#include "common/TableScale.h"

#include "ViewFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace tablescale {

namespace {

// Set once, before the application exists.
struct Run {
    bool applied = false;
    int inUse = 0;
    int keptTooLarge = 0;
};
Run& run() {
    static Run thisRun;
    return thisRun;
}

// The smaller size a restart asked for, taken once: programs this one opens start as they will.
int takeFallback() {
    bool ok = false;
    const int percent = qEnvironmentVariableIntValue(FallbackVariable, &ok);
    qunsetenv(FallbackVariable);
    const auto& sizes = viewfile::TableSizes;
    return ok && std::find(std::begin(sizes), std::end(sizes), percent) != std::end(sizes) ? percent
                                                                                           : 0;
}

} // namespace

int chosenSize(const QString& folder) {
    return viewfile::keptTableSize(folder);
}

QByteArray factorText(int percent) {
    return QByteArray::number(percent / 100.0);
}

bool applyBeforeStart() {
    const int fallback = takeFallback();
    run().applied = true;
    if (qEnvironmentVariableIsSet(ScaleVariable))
        return false;
    const int kept = chosenSize(viewfile::folder());
    const int percent = fallback != 0 && fallback < kept ? fallback : kept;
    run().inUse = percent;
    run().keptTooLarge = percent != kept ? kept : 0;
    // The described size is the floor: nothing smaller is offered.
    if (percent <= viewfile::TableSizes[0])
        return false;
    qputenv(ScaleVariable, factorText(percent));
    return true;
}

int sizeInUse() {
    // A run that never chose (a test) is drawn as the environment says.
    if (!run().applied)
        return qEnvironmentVariableIsSet(ScaleVariable) ? 0 : viewfile::TableSizes[0];
    return run().inUse;
}

int keptTooLarge() {
    return run().keptTooLarge;
}

Fit fitAt(const Placement& placement, int percent) {
    const QSizeF window = QSizeF(placement.window) * percent / placement.runPercent;
    const QMargins& frame = placement.frame;
    const QSizeF framed =
        window + QSizeF(frame.left() + frame.right(), frame.top() + frame.bottom());
    return {(framed * placement.ratio).toSize(),
            (QSizeF(placement.available) * placement.ratio).toSize()};
}

int largestFitting(const Placement& placement) {
    const auto& sizes = viewfile::TableSizes;
    const auto fitting = std::find_if(std::rbegin(sizes), std::rend(sizes), [&](int percent) {
        return fitAt(placement, percent).fits();
    });
    return fitting != std::rend(sizes) ? *fitting : sizes[0];
}

void forgetOwnFactor(bool own) {
    if (own)
        qunsetenv(ScaleVariable);
}

std::vector<std::string> commandLine(std::string_view procCmdline) {
    std::vector<std::string> arguments;
    while (!procCmdline.empty()) {
        const auto end = procCmdline.find('\0');
        arguments.emplace_back(procCmdline.substr(0, end));
        if (end == std::string_view::npos)
            break;
        procCmdline.remove_prefix(end + 1);
    }
    return arguments;
}

int restartInPlace(const QString& gamePath) {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::string> arguments = commandLine(text);
    if (arguments.empty())
        return ENOENT;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    // Named, so that the new program takes this copy's game back and never another copy's.
    if (!gamePath.isEmpty())
        qputenv(ResumeVariable, QFile::encodeName(gamePath));
    // Every file this program holds is opened close-on-exec: the game file's lock goes with it.
    ::execv("/proc/self/exe", argv.data());
    const int error = errno;
    qunsetenv(ResumeVariable);
    return error;
}

int restartSmaller(int percent, const QString& gamePath) {
    qputenv(FallbackVariable, QByteArray::number(percent));
    const int error = restartInPlace(gamePath);
    qunsetenv(FallbackVariable);
    return error;
}

QString takeResumePath() {
    const QString path = QFile::decodeName(qgetenv(ResumeVariable));
    // Programs this one opens are no restart.
    qunsetenv(ResumeVariable);
    return path;
}

} // namespace tablescale
