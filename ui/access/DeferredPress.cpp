#include "access/DeferredPress.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace {

class DeferredPressInterface : public QAccessibleWidget {
public:
    explicit DeferredPressInterface(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        auto* button = qobject_cast<QAbstractButton*>(widget());
        if (action == pressAction() && button->isEnabled())
            QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

} // namespace

void deferredpress::install(QAbstractButton* button) {
    // Registered for the button, it is the interface every query finds; the registry deletes it
    // with the button.
    QAccessible::registerAccessibleInterface(new DeferredPressInterface(button));
}
