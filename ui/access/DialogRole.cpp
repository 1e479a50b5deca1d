#include "access/DialogRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char* const DialogProperty = "vestorineDialog";

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && widget->property(DialogProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    return nullptr;
}

} // namespace

void dialogrole::expose(QWidget* window) {
    // The toolkit keeps one copy of a factory however often it is installed.
    QAccessible::installFactory(factory);
    window->setProperty(DialogProperty, true);
}
