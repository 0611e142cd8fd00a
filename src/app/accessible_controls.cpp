// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessible_controls.h"

#include "app/accessible_places.h"
#include "app/pointer_widget.h"
#include "app/slider_bar.h"
#include "app/spoken_notice.h"

#include <QAccessibleWidget>

#include <cmath>

namespace zephyra {

namespace {

// Between a dial's angle (anticlockwise from East, as the scene holds it) and its bearing
// (clockwise from North): each is the other's image, in [0, 360).
double bearing(double degrees) {
    const double turned = std::fmod(450.0 - degrees, 360.0);
    return turned < 0 ? turned + 360.0 : turned;
}

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

    // A dial's value is its bearing, as a compass reads: clockwise from North, in degrees,
    // told to a hundredth, the step of a turn button, so each step is heard.
    QVariant currentValue() const override { return bearing(pointer()->accessibleValue()); }
    void setCurrentValue(const QVariant& value) override {
        bool ok = false;
        const double degrees = value.toDouble(&ok);
        if (ok && widget()->isEnabled())
            pointer()->requestValue(bearing(degrees));
    }
    QVariant maximumValue() const override { return 360.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.01; }

private:
    PointerWidget* pointer() const { return static_cast<PointerWidget*>(widget()); }
};

// A slider bar's value as its quantity: the position times the worth of one step.
class AccessibleBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleBar(SliderBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return bar()->value() * bar()->spokenStep(); }
    void setCurrentValue(const QVariant& value) override {
        bool ok = false;
        const double quantity = value.toDouble(&ok);
        if (ok && bar()->isEnabled())
            bar()->setValue(qRound(quantity / bar()->spokenStep()));
    }
    QVariant maximumValue() const override { return bar()->maximum() * bar()->spokenStep(); }
    QVariant minimumValue() const override { return bar()->minimum() * bar()->spokenStep(); }
    QVariant minimumStepSize() const override { return bar()->spokenStep(); }

private:
    SliderBar* bar() const { return static_cast<SliderBar*>(widget()); }
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
    if (className == QLatin1String("zephyra::SliderBar"))
        if (auto* bar = qobject_cast<SliderBar*>(object))
            return new AccessibleBar(bar);
    // The layer holding a notebook's pages: a screen reader would name it on the way into a
    // page ("layered pane"); it holds the page, and says nothing of its own.
    if (className == QLatin1String("QStackedWidget") && object->parent() &&
        object->parent()->inherits("zephyra::Notebook"))
        if (auto* widget = qobject_cast<QWidget*>(object))
            return new QAccessibleWidget(widget, QAccessible::Client);
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
        // The last installed is asked first: it wraps what the others make.
        QAccessible::installFactory(shownPlaceFactory);
        return true;
    }();
    (void)installed;
}

} // namespace zephyra
