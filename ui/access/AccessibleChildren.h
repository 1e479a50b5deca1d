#pragma once

#include <vector>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

// The pieces both accessible objects build on: the event sender, a child interface without an
// object of its own, and the list that keeps such children alive.
namespace accessible {

// Qt's bridge hands a screen reader each rectangle as the interface gives it, in the window's
// own pixels, and passes its points on the same way; on the screen, at a table size other than
// 100 %, they are as many times larger as the window's pixel ratio says (the X11 platform's own
// ratio is always 1, the table size is all of it). Screens keep their origin.
inline qreal screenScale(const QWidget* widget) {
    const QWindow* window = widget ? widget->window()->windowHandle() : nullptr;
    return window ? window->devicePixelRatio() : 1.0;
}

inline QRect toScreen(const QWidget* widget, const QRect& rect) {
    if (!widget || rect.isNull())
        return rect;
    const qreal scale = screenScale(widget);
    const QPointF origin = widget->screen()->geometry().topLeft();
    const QPointF topLeft = origin + (QPointF(rect.topLeft()) - origin) * scale;
    return {topLeft.toPoint(), (QSizeF(rect.size()) * scale).toSize()};
}

inline QPoint fromScreen(const QWidget* widget, const QPoint& point) {
    const qreal scale = screenScale(widget);
    const QPointF origin = widget->screen()->geometry().topLeft();
    return (origin + (QPointF(point) - origin) / scale).toPoint();
}

// A plain control, such as the talon, reporting where it shows on the screen.
class ScreenWidget : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QRect rect() const override { return toScreen(widget(), QAccessibleWidget::rect()); }
};

// The control's accessible object is a ScreenWidget from now on.
inline void reportOnScreen(QWidget* widget) {
    static constexpr char Mark[] = "accessibleOnScreen";
    widget->setProperty(Mark, true);
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
        auto* marked = qobject_cast<QWidget*>(object);
        return marked && marked->property(Mark).toBool() ? new ScreenWidget(marked) : nullptr;
    });
}

inline void notify(QAccessibleInterface* iface, QAccessible::Event type) {
    if (!iface)
        return;
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

// A child interface without an object of its own: a cell, or the status line's notification.
class ChildInterface : public QAccessibleInterface {
public:
    explicit ChildInterface(QWidget* owner)
        : m_owner(owner) {}

    bool isValid() const override { return !m_owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_owner ? m_owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_owner.data());
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* owner() const { return m_owner.data(); }
    QAccessible::State shownState() const {
        QAccessible::State state;
        state.invisible = !m_owner || !m_owner->isVisible();
        return state;
    }

private:
    QPointer<QWidget> m_owner;
};

// Children made on first demand and kept until their parent goes, as Qt's item views do.
class ChildList {
public:
    ~ChildList() {
        for (QAccessible::Id id : m_ids)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }
    template <class Make> QAccessibleInterface* at(int index, int count, Make make) {
        if (index < 0 || index >= count)
            return nullptr;
        if (m_ids.size() < std::size_t(count))
            m_ids.resize(std::size_t(count), 0);
        QAccessible::Id& id = m_ids[std::size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(make());
        return QAccessible::accessibleInterface(id);
    }
    int indexOf(const QAccessibleInterface* child) const {
        for (std::size_t i = 0; i < m_ids.size(); ++i)
            if (m_ids[i] && QAccessible::accessibleInterface(m_ids[i]) == child)
                return int(i);
        return -1;
    }

private:
    std::vector<QAccessible::Id> m_ids;
};

} // namespace accessible
