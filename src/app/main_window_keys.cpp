// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/accessible_controls.h"
#include "app/focus_mark.h"
#include "app/picture_view.h"
#include "app/shape_view.h"
#include "manipulation/copy_selection.h"
#include "motions/motion_panel.h"
#include "vectors/velocity_panel.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include <numbers>

namespace zephyra {

namespace {

const char* const dials[] = {"windim", "planeim", "resultantim"};
const char* const turnButtons[] = {"Image10", "Image3", "Image4", "Image5", "Image6", "Image7"};
const char* const handles[] = {"planesh",  "Startsh",   "stopsh", "windshm",
                               "planeshm", "resultshm", "movesh"};

int indexOf(const char* const (&names)[3], const QObject* object) {
    for (int i = 0; i < 3; ++i)
        if (object->objectName() == QLatin1String(names[i]))
            return i;
    return -1;
}

int tagOf(const QObject* object) {
    for (int tag = 0; tag < 6; ++tag)
        if (object->objectName() == QLatin1String(turnButtons[tag]))
            return tag;
    return -1;
}

// A read-out as one line of speech.
QString spoken(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.simplified();
}

} // namespace

void Trelativefrm::setUpKeyboard() {
    focusMark_ = new FocusMark(this);

    // Reached by Tab only, so a click leaves the focus (and the look) as it was.
    for (const char* name : handles) {
        control<QWidget>(name)->setFocusPolicy(Qt::TabFocus);
        control<ShapeView>(name)->setAccessibleRole(QAccessible::Graphic);
    }
    for (const char* name : dials) {
        auto* dial = control<PictureView>(name);
        dial->setFocusPolicy(Qt::TabFocus);
        dial->setAccessibleRole(QAccessible::Dial);
        dial->installEventFilter(this);
        connect(dial, &PointerWidget::valueRequested, this, [this, dial](double degrees) {
            handle([&] {
                dialKeyPoint(scene_, indexOf(dials, dial), degrees * std::numbers::pi / 180);
            });
        });
    }
    for (int tag = 0; tag < 6; ++tag) {
        auto* button = control<PictureView>(turnButtons[tag]);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleRole(QAccessible::Button);
        button->installEventFilter(this);
        // One step, as a press held for one tick of the repeat timer.
        connect(button, &PointerWidget::pressRequested, this, [this, tag] {
            handle([&] {
                Image10MouseDown(scene_, tag);
                angletrTimer(scene_);
                Image10MouseUp(scene_);
            });
        });
    }
    for (const char* rule : {"Shape1", "Shape2", "Shape3"})
        control<ShapeView>(rule)->setAccessibleRole(QAccessible::Separator);
    auto* groundView = control<PictureView>("waterim");
    groundView->setFocusPolicy(Qt::TabFocus);
    groundView->setAccessibleRole(QAccessible::Canvas);
    groundView->installEventFilter(this);

    auto* memo = control<QPlainTextEdit>("expmem");
    memo->setTabChangesFocus(true);
    memo->viewport()->installEventFilter(this);
    auto* cancel = control<QPushButton>("cancelbt");
    // A shortcut of a hidden widget does not fire, so Escape acts only where Cancel shows.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), cancel);
    connect(escape, &QShortcut::activated, cancel, [cancel] {
        if (cancel->isVisible() && cancel->isEnabled())
            cancel->click();
    });
}

bool Trelativefrm::keyEvent(QObject* watched, QKeyEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (const int dial = indexOf(dials, watched); dial >= 0 && press) {
        const Qt::KeyboardModifiers mods = event->modifiers();
        const double step = mods & Qt::ControlModifier ? turnButtonStepDegrees
                            : mods & Qt::ShiftModifier ? 10.0
                                                       : 1.0;
        const double pi = std::numbers::pi;
        switch (event->key()) {
        case Qt::Key_Right:
            handle([&] { dialKeyTurn(scene_, dial, step); });
            return true;
        case Qt::Key_Left:
            handle([&] { dialKeyTurn(scene_, dial, -step); });
            return true;
        case Qt::Key_N:
            handle([&] { dialKeyPoint(scene_, dial, pi / 2); });
            return true;
        case Qt::Key_E:
            handle([&] { dialKeyPoint(scene_, dial, 0.0); });
            return true;
        case Qt::Key_S:
            handle([&] { dialKeyPoint(scene_, dial, 3 * pi / 2); });
            return true;
        case Qt::Key_W:
            handle([&] { dialKeyPoint(scene_, dial, pi); });
            return true;
        default:
            return false;
        }
    }
    if (const int tag = tagOf(watched); tag >= 0 && event->key() == Qt::Key_Space) {
        // Held Space repeats through the button's own timer, as a held mouse button does.
        if (!event->isAutoRepeat()) {
            if (press)
                handle([&] { Image10MouseDown(scene_, tag); });
            else
                handle([&] { Image10MouseUp(scene_); });
        }
        return true;
    }
    if (watched == controls_.value(QStringLiteral("waterim")) && press &&
        event->matches(QKeySequence::Copy)) {
        copyGroundView(scene_, platform_);
        return true;
    }
    return false;
}

// The focus goes to what the panel now asks for, and comes back when it closes.
void Trelativefrm::focusPanel() {
    if (!scene_.expgbVisible)
        return;
    QWidget* panel = control<QWidget>("expgb");
    QWidget* focused = QApplication::focusWidget();
    if (focused && !panel->isAncestorOf(focused))
        panelReturn_ = focused;
    const char* target = scene_.qbVisible                      ? "okbt"
                         : scene_.panelMode == PanelMode::Save ? "expmem"
                                                               : "lsbt";
    if (scene_.panelMode == PanelMode::Save && !scene_.qbVisible)
        memoEnterPending_ = true; // also when the box had the focus already
    control<QWidget>(target)->setFocus(Qt::OtherFocusReason);
}

void Trelativefrm::returnFocusFromPanel() {
    if (panelReturn_ && panelReturn_->isVisible() && panelReturn_->isEnabled())
        panelReturn_->setFocus(Qt::OtherFocusReason);
    panelReturn_ = nullptr;
}

// The placeholder gives way once the student is in the box: at once when a click or Tab
// brings the focus, or before the first typed character or click when the focus came by
// the panel opening, a closing menu or the window's activation.
void Trelativefrm::memoEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
            memoEnterPending_ = false;
            handle([this] { expmemEnter(scene_); });
        } else {
            memoEnterPending_ = true;
        }
        break;
    }
    case QEvent::KeyPress: {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (memoEnterPending_ && !typed.isEmpty() && typed.at(0).isPrint()) {
            memoEnterPending_ = false;
            handle([this] { expmemEnter(scene_); });
        }
        break;
    }
    case QEvent::MouseButtonPress:
        if (memoEnterPending_) {
            memoEnterPending_ = false;
            handle([this] { expmemEnter(scene_); });
        }
        break;
    default:
        break;
    }
}

// Each control that drives a read-out is described by it, so a screen reader hears the change;
// a focused dial also tells its new value. During a flight the time is told at most twice a
// second.
void Trelativefrm::projectAccessibility() {
    const QString wind = spoken(scene_.airlb.caption);
    const QString plane = spoken(scene_.planelb.caption);
    const QString ground = spoken(scene_.rlb.caption);
    const QString joined = scene_.vectorsJoined ? QStringLiteral(", joined") : QString();
    const QString markers = spoken(scene_.Startsh.hint);
    const std::pair<const char*, QString> described[] = {
        {"tsb", spoken(scene_.timelb.caption)},
        {"timefactorsb", spoken(scene_.timefactorlb.caption)},
        {"shoresb", spoken(scene_.shorelb.caption)},
        {"airspeedsb", wind},
        {"planespeedsb", plane},
        {"resultantsb", ground},
        {"windim", wind},
        {"planeim", plane},
        {"resultantim", ground},
        {"Image10", wind},
        {"Image3", wind},
        {"Image4", plane},
        {"Image5", plane},
        {"Image6", ground},
        {"Image7", ground},
        {"windshm", wind + joined},
        {"planeshm", plane + joined},
        {"resultshm", ground},
        {"movesh", wind + QLatin1String(" and ") + plane + joined},
        {"Startsh", markers},
        {"stopsh", markers},
    };
    const bool throttleTime =
        scene_.running && timeAnnounced_.isValid() && timeAnnounced_.elapsed() < 500;
    for (const auto& [name, description] : described) {
        QWidget* widget = control<QWidget>(name);
        if (widget->accessibleDescription() == description)
            continue;
        if (QLatin1String(name) == QLatin1String("tsb")) {
            if (throttleTime)
                continue;
            timeAnnounced_.start();
        }
        widget->setAccessibleDescription(description); // tells assistive tools itself
    }

    const double angles[] = {scene_.windAngle, scene_.planeAngle, scene_.groundAngle};
    for (int i = 0; i < 3; ++i) {
        auto* dial = control<PictureView>(dials[i]);
        const double degrees = angles[i] * 180 / std::numbers::pi;
        if (dial->accessibleValue() == degrees)
            continue;
        dial->setAccessibleValue(degrees);
        if (dial->hasFocus() && QAccessible::isActive()) {
            QAccessibleValueChangeEvent changed(dial, degrees);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

} // namespace zephyra
