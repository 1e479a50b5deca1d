#include "common/TableScale.h"

#include "ViewFile.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace tablescale {

int chosenSize(const QString& folder) {
    return viewfile::keptTableSize(folder);
}

QByteArray factorText(int percent) {
    return QByteArray::number(percent / 100.0);
}

bool applyBeforeStart() {
    if (qEnvironmentVariableIsSet(ScaleVariable))
        return false;
    const int percent = chosenSize(viewfile::folder());
    // The described size is the floor: nothing smaller is offered.
    if (percent <= viewfile::TableSizes[0])
        return false;
    qputenv(ScaleVariable, factorText(percent));
    return true;
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

QString takeResumePath() {
    const QString path = QFile::decodeName(qgetenv(ResumeVariable));
    // Programs this one opens are no restart.
    qunsetenv(ResumeVariable);
    return path;
}

} // namespace tablescale
