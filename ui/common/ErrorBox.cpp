#include "common/ErrorBox.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace errorbox {

namespace {

Box& currentBox() {
    static Box box;
    return box;
}

} // namespace

void setBox(Box box) {
    currentBox() = std::move(box);
}

void show(QWidget* parent, const QString& title, const QString& text, const QString& ok) {
    if (const Box& box = currentBox()) {
        box(parent, title, text);
        return;
    }
    QMessageBox message(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    if (!ok.isEmpty())
        message.button(QMessageBox::Ok)->setText(ok);
    message.exec();
}

} // namespace errorbox
