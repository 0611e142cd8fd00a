// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessible_places.h"

#include "app/shown.h"
#include "app/zoom_host.h"

#include <QWidget>

#include <vector>

namespace zephyra {

namespace {

// Whether widget lies in the client area of a zoom host, shown at scale 1 or scaled.
bool inClientArea(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->graphicsProxyWidget())
            return true;
        const auto* host = qobject_cast<const ZoomHost*>(w->parentWidget());
        if (host && host->client() == w)
            return true;
    }
    return false;
}

// A rectangle Qt gives for widget or a part of it (its place in the widget added to where Qt
// takes the widget to be), as it is seen on the screen.
QRect seenPart(const QWidget* widget, const QRect& told) {
    if (told.isEmpty())
        return told;
    const QRect seen = shownOnScreen(widget);
    const double scale = shownZoom(widget);
    const QPoint inWidget = told.topLeft() - widget->mapToGlobal(QPoint(0, 0));
    return {seen.topLeft() + QPoint(qRound(inWidget.x() * scale), qRound(inWidget.y() * scale)),
            QSize(qRound(told.width() * scale), qRound(told.height() * scale))};
}

// Tells what inner, made and kept by Qt, tells, but its place as it is seen.
class SeenInterface : public QAccessibleInterface {
public:
    explicit SeenInterface(QAccessibleInterface* inner) : inner_(inner) {}

    bool isValid() const override { return inner_->isValid(); }
    QObject* object() const override { return inner_->object(); }
    QWindow* window() const override { return inner_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return inner_->relations(match);
    }
    QAccessibleInterface* parent() const override { return inner_->parent(); }
    QString text(QAccessible::Text type) const override { return inner_->text(type); }
    void setText(QAccessible::Text type, const QString& text) override {
        inner_->setText(type, text);
    }
    QAccessible::Role role() const override { return inner_->role(); }
    QAccessible::State state() const override { return inner_->state(); }
    QColor foregroundColor() const override { return inner_->foregroundColor(); }
    QColor backgroundColor() const override { return inner_->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return inner_->interface_cast(type);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* part = child(i);
            if (part && !part->state().invisible && part->rect().contains(x, y))
                return part;
        }
        return nullptr;
    }

protected:
    QAccessibleInterface* inner_;
};

// A part of a widget that is no widget of its own (a tab of a tab bar).
class SeenPart : public SeenInterface {
public:
    SeenPart(QAccessibleInterface* inner, const QWidget* widget)
        : SeenInterface(inner), widget_(widget) {}
    QAccessibleInterface* inner() const { return inner_; }

    QRect rect() const override { return seenPart(widget_, inner_->rect()); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* child(int index) const override { return inner_->child(index); }
    int childCount() const override { return inner_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return inner_->indexOfChild(child);
    }

private:
    const QWidget* widget_;
};

// A widget. Its child widgets are found through Qt and come wrapped; its parts are wrapped
// here, once, and kept while it lives.
class SeenWidget : public SeenInterface {
public:
    explicit SeenWidget(QAccessibleInterface* inner)
        : SeenInterface(inner), innerId_(QAccessible::uniqueId(inner)) {}
    ~SeenWidget() override {
        for (const Part& part : parts_)
            QAccessible::deleteAccessibleInterface(part.id);
        QAccessible::deleteAccessibleInterface(innerId_);
    }
    SeenWidget(const SeenWidget&) = delete;
    SeenWidget& operator=(const SeenWidget&) = delete;

    // Qt's own place may be a part of the widget (a check box's box and caption).
    QRect rect() const override {
        const QWidget* shown = widget();
        return shown ? seenPart(shown, inner_->rect()) : inner_->rect();
    }
    QAccessibleInterface* child(int index) const override {
        return seen(inner_->child(index), index);
    }
    int childCount() const override { return inner_->childCount(); }
    QAccessibleInterface* focusChild() const override {
        QAccessibleInterface* focus = inner_->focusChild();
        for (int i = 0; focus && !focus->object() && i < inner_->childCount(); ++i)
            if (inner_->child(i) == focus)
                return seen(focus, i);
        return focus;
    }
    // Qt finds its own parts by their parent, which is the wrapper now: they are counted here.
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const Part& part : parts_)
            if (part.seen == child)
                return part.index;
        return inner_->indexOfChild(child);
    }

private:
    struct Part {
        SeenPart* seen;
        QAccessible::Id id;
        int index;
    };

    const QWidget* widget() const { return qobject_cast<const QWidget*>(inner_->object()); }

    // A child as Qt gives it: a widget's comes wrapped already, a part is wrapped here.
    QAccessibleInterface* seen(QAccessibleInterface* child, int index) const {
        if (!child || child->object() || !widget())
            return child;
        for (const Part& part : parts_)
            if (part.seen->inner() == child)
                return part.seen;
        auto* part = new SeenPart(child, widget());
        parts_.push_back({part, QAccessible::registerAccessibleInterface(part), index});
        return part;
    }

    QAccessible::Id innerId_;
    mutable std::vector<Part> parts_;
};

// The widget Qt is making the interface for inside the factory, which leaves it to Qt.
const QObject* wrapping = nullptr;

} // namespace

QAccessibleInterface* shownPlaceFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || object == wrapping || !inClientArea(widget))
        return nullptr;
    // Qt's interface, made by the factories after this one; it stays in Qt's cache, beside
    // the wrapper that is given for the widget from now on, and goes with the wrapper.
    wrapping = object;
    QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
    wrapping = nullptr;
    return inner ? new SeenWidget(inner) : nullptr;
}

} // namespace zephyra
