// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_context.h"
#include "scene/scene.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>

class QAbstractButton;
class QCheckBox;
class QPushButton;
class QGroupBox;
class QLabel;
class QScrollBar;
class QStyle;
class QWidget;

namespace zephyra {

// Helpers for building the window's controls and projecting the scene onto them. Setting a
// widget again, even to the same value, costs a repaint or an event to assistive tools, so
// each compares before it sets: with the widget's own value where it reports back exactly
// (numbers, checks, visibility), with what it last set where it may not (texts).

void setShown(QWidget* widget, bool shown);
// The zoom at which the client area holding widget is shown: 1 where it is not scaled.
double shownZoom(const QWidget* widget);
void setChecked(QAbstractButton* button, bool checked);
// Sets the description assistive tools read for the control, when it changed.
void describe(QWidget* widget, const QString& description);

// A hint or caption breaks its line at a carriage return.
QString shownText(QString text);
// A read-out as one line of speech.
QString spoken(QString text);

// Whether the caption of a button, group box or fixed label fits the widget in font: on one
// line, or within its height where it wraps.
bool captionFits(const QWidget* widget, const QFont& font);
// A translation longer than the designed English caption is shown a little smaller, down to
// smallestPixelSize, rather than cut; a caption that fits keeps the designed font.
inline constexpr int smallestPixelSize = 8;
void fitCaption(QWidget* widget);

// Names the widget, places it in its parent and lays it above the siblings made before it.
void place(QWidget* widget, const char* name, const QRect& geometry);
void fillBackground(QWidget* widget, const QColor& colour);
// A group box whose frame does not shade the designed colour inside; assistive tools hear its
// own title, not that of a box around it. The title is English, shown translated; without one
// the box's owner sets it.
QGroupBox* makeGroupBox(const char* name, const char* title, const QRect& geometry, QWidget* parent,
                        QStyle* style);
// A scroll bar stepped up by Right and PageDown, as its arrows do, and reached by Tab.
QScrollBar* makeScrollBar(const char* name, const QRect& geometry, const char* accessibleName,
                          QWidget* parent, double spokenStep = 1);

enum class LabelFit {
    Grows,   // sizes itself to its caption, left edge fixed
    Centred, // fixed size, caption centred
    Wrapped, // fixed size, caption word-wrapped
};
QLabel* makeLabel(const char* name, const QRect& geometry, LabelFit fit, QWidget* parent);

// One read-out label: where it sits, how it fits its caption, and the scene label it shows.
struct LabelRow {
    const char* name;
    QRect geometry;
    LabelFit fit;
    Label Scene::*label;
};

// A label showing a scene label in the window's language; the caption is set, and the label sized,
// only when it changed.
class ShownLabel {
public:
    ShownLabel(const LabelRow& row, const Scene& scene, QWidget* parent);
    void project(const Scene& scene);
    QLabel* widget() const { return widget_; }

private:
    QLabel* widget_;
    Label Scene::*label_;
    bool grows_;
    std::optional<QString> caption_;
    bool shrunk_ = false; // a translation shown smaller to fit its page
};

// A scroll bar showing a scene scroll bar.
void projectBar(QScrollBar* widget, const ScrollBar& bar);

// One push button: where it sits, its caption (fixed, or the scene's when caption is nullptr)
// and the handler a click runs.
struct ButtonRow {
    const char* name;
    QRect geometry;
    const char* caption;
    QString Scene::*sceneCaption;
    void (*click)(Scene&, Platform&);
};

// A push button that runs its handler and shows the scene's caption, set only when it changed.
class ShownButton {
public:
    ShownButton(const ButtonRow& row, WindowContext& context, QWidget* parent);
    void project(const Scene& scene);
    QPushButton* widget() const { return widget_; }

private:
    QPushButton* widget_;
    QString Scene::*caption_;
};

// One check box: where it sits, its caption, the scene flag it shows and the handler a toggle
// runs.
struct CheckRow {
    const char* name;
    QRect geometry;
    const char* caption;
    bool Scene::*checked;
    void (*toggle)(Scene&, bool);
};

QCheckBox* makeCheckBox(const CheckRow& row, WindowContext& context, QWidget* parent);

} // namespace zephyra
