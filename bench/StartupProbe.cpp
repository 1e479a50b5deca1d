// Started by table_bench: prints one line when the first frame of its window has been painted,
// then quits. "table" starts the game's windows as the program does; "minimal" one plain window;
// "text" the same window with one line of text, which pays the font set-up any window with text
// pays.
#include "CardBack.h"
#include "GameState.h"
#include "ProgramWindows.h"
#include "RandomSource.h"
#include "common/TableScale.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <cstdio>
#include <cstring>

namespace {

class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued, so it runs once the whole frame is painted and flushed.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::puts("painted");
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int runMinimal(bool withText) {
    QWidget window;
    window.setAutoFillBackground(true);
    window.resize(678, 625);
    QLabel* line = withText ? new QLabel(QStringLiteral("Click a card."), &window) : nullptr;
    if (line)
        line->move(8, 8);
    window.show();
    return QApplication::exec();
}

int runTable() {
    QApplication::setApplicationName(QStringLiteral("Vestorine"));
    vestorine::ClockRandom random;
    vestorine::CardBackChoice back;
    vestorine::GameState game(back, random);
    ProgramWindows windows(game, back, random);
    windows.form1.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    const bool table = argc > 1 && std::strcmp(argv[1], "table") == 0;
    // The table size is read before the application, as the program does.
    const bool ownScale = table && tablescale::applyBeforeStart();
    QApplication app(argc, argv);
    tablescale::forgetOwnFactor(ownScale);
    FirstFrame watcher;
    app.installEventFilter(&watcher);
    return table ? runTable() : runMinimal(argc > 1 && std::strcmp(argv[1], "text") == 0);
}
