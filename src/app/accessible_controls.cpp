// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessible_controls.h"

#include "app/pointer_widget.h"
#include "app/spoken_notice.h"

#include <QAccessibleWidget>

namespace zephyra {

namespace {

// A pointer widget as assistive tools see it: its name and description as set on the widget,
// focusable when it takes the focus, a value when it is a dial, a press action when it is a
// button.
class AccessiblePointer : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessiblePointer(PointerWidget* widget)
        : QAccessibleWidget(widget, widget->accessibleRole()) {}

    // The role is read each time: the window gives it after the widget is made.
    QAccessible::Role role() const override { return pointer()->accessibleRole(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && role() == QAccessible::Dial)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = widget()->focusPolicy() != Qt::NoFocus;
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && role() == QAccessible::Button && widget()->isEnabled())
            pointer()->requestPress();
        else
            QAccessibleWidget::doAction(name);
    }

    QVariant currentValue() const override { return pointer()->accessibleValue(); }
    void setCurrentValue(const QVariant& value) override {
        bool ok = false;
        const double degrees = value.toDouble(&ok);
        if (ok && widget()->isEnabled())
            pointer()->requestValue(degrees);
    }
    QVariant maximumValue() const override { return 360.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    PointerWidget* pointer() const { return static_cast<PointerWidget*>(widget()); }
};

// The focus ring is drawing, not a control: assistive tools see it as not shown.
class AccessibleRing : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// A notification named by the text it tells.
class AccessibleNotice : public QAccessibleWidget {
public:
    explicit AccessibleNotice(SpokenNotice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name)
            return static_cast<SpokenNotice*>(widget())->told();
        return QAccessibleWidget::text(type);
    }
};

QAccessibleInterface* pointerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zephyra::FocusMark"))
        if (auto* widget = qobject_cast<QWidget*>(object))
            return new AccessibleRing(widget);
    if (className == QLatin1String("zephyra::SpokenNotice"))
        if (auto* notice = qobject_cast<SpokenNotice*>(object))
            return new AccessibleNotice(notice);
    // Qt asks for each class up the chain, so the base class name catches both kinds.
    if (className != QLatin1String("zephyra::PointerWidget"))
        return nullptr;
    auto* widget = qobject_cast<PointerWidget*>(object);
    return widget ? new AccessiblePointer(widget) : nullptr;
}

} // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(pointerFactory);
        return true;
    }();
    (void)installed;
}

} // namespace zephyra
