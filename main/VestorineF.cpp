#include <QApplication>

#include "Unit1.h"
#include "UnitAPropos.h"
#include "UnitDos.h"
#include "UnitLoto.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestorine"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vestorine"));

    // Created in this order; only the main window is shown, the others wait hidden.
    TForm1 form1;
    TFormApropos formApropos;
    TFormDos formDos;
    TFormLoto formLoto;
    form1.show();
    return QApplication::exec();
}
