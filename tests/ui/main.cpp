#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// The windows need an application object; the tests run headless unless told otherwise, which
// also lets the build list the tests on a machine without a display.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The main window reads and writes its settings when activated and closed, and its
    // statistics after every game: never the user's own files, and nothing left over from
    // another run.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
