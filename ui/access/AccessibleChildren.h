#pragma once

#include <vector>

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// The pieces both accessible objects build on: the event sender, a child interface without an
// object of its own, and the list that keeps such children alive.
namespace accessible {

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
