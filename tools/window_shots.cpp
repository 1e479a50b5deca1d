// Takes the pictures of the back chooser, the lottery and the About window in both languages
// for the documentation (run it after changing one of those windows):
//
//   QT_QPA_PLATFORM=offscreen build/release/tools/window_shots docs

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

#include "CardBack.h"
#include "Messages.h"
#include "RandomSource.h"
#include "UnitAPropos.h"
#include "UnitDos.h"
#include "UnitLoto.h"

namespace {

bool save(QWidget& window, const QDir& folder, const char* name, const char* language) {
    const QString path = folder.filePath(QStringLiteral("%1-%2.png").arg(name, language));
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_shots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    vestorine::CardBackChoice back;
    vestorine::ClockRandom random;
    TFormApropos about;
    TFormDos dos(back);
    TFormLoto loto(random);
    bool ok = true;
    for (const int language : {vestorine::English, vestorine::French}) {
        const char* tag = language == vestorine::English ? "en" : "fr";
        dos.applyLanguage(language);
        loto.applyLanguage(language);
        dos.showChooser();
        loto.showLoto();
        about.show();
        QApplication::processEvents();
        ok = save(dos, folder, "dos", tag) && save(loto, folder, "loto", tag) &&
             save(about, folder, "apropos", tag) && ok;
        dos.hide();
        loto.hide();
        about.hide();
    }
    return ok ? 0 : 1;
}
