#include "common/TableScale.h"

#include "FileAccess.h"
#include "ViewFile.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace tablescale {

int chosenSize(const QString& folder) {
    const fileaccess::ReadResult read =
        fileaccess::readStart(viewfile::filePath(folder), viewfile::MaxBytes);
    if (read.status != fileaccess::ReadStatus::Read)
        return viewfile::TableSizes[0];
    const auto view = viewfile::parse(read.text);
    return view ? view->tableSize : viewfile::TableSizes[0];
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

int restartInPlace() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::string> arguments = commandLine(text);
    if (arguments.empty())
        return ENOENT;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    qputenv(ResumeVariable, "1");
    // Every file this program holds is opened close-on-exec: the game file's lock goes with it.
    ::execv("/proc/self/exe", argv.data());
    const int error = errno;
    qunsetenv(ResumeVariable);
    return error;
}

void resumeAfterRestart(QWidget* window) {
    if (!qEnvironmentVariableIsSet(ResumeVariable))
        return;
    qunsetenv(ResumeVariable);
    QTimer::singleShot(0, window, [window] {
        if (auto* resume = window->findChild<QAction*>(QStringLiteral("MenuResume")))
            resume->trigger();
    });
}

} // namespace tablescale
