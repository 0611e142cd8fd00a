// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/motion_panel_view.h"

#include "app/shown.h"
#include "app/translated.h"
#include "app/zoom_host.h"
#include "motions/motion_panel.h"
#include "scene/language.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace zephyra {

namespace {

// The panel's buttons, each in the box it sits in.
const ButtonRow panelButtons[] = {
    {"lsbt", {24, 192, 75, 25}, nullptr, &Scene::lsbtCaption, lsbtClick},
    {"cancelbt",
     {120, 192, 75, 25},
     QT_TRANSLATE_NOOP("Trelativefrm", "&Cancel"),
     nullptr,
     [](Scene& scene, Platform&) { cancelbtClick(scene); }},
};
const ButtonRow answerButtons[] = {
    {"ybt", {16, 24, 75, 25}, QT_TRANSLATE_NOOP("Trelativefrm", "&Yes"), nullptr, ybtClick},
    {"nbt",
     {112, 24, 75, 25},
     QT_TRANSLATE_NOOP("Trelativefrm", "&No"),
     nullptr,
     [](Scene& scene, Platform&) { nbtClick(scene); }},
};
const ButtonRow questionButton{
    "okbt", {152, 21, 75, 25}, QT_TRANSLATE_NOOP("Trelativefrm", "&Ok"), nullptr, okbtClick};

} // namespace

MotionPanelView::MotionPanelView(WindowContext& context, QWidget* client)
    : QObject(client), context_(context) {
    const QColor khaki = QColor::fromRgb(khakiColour);
    expgb_ = makeGroupBox("expgb", nullptr, {136, 88, 409, 241}, client, context.boxStyle);
    fillBackground(expgb_, khaki);
    expmem_ = new QPlainTextEdit(expgb_);
    place(expmem_, "expmem", {16, 24, 377, 145});
    setTranslatedName(expmem_, QT_TRANSLATE_NOOP("Trelativefrm", "Explanation"));
    for (const ButtonRow& row : panelButtons)
        buttons_.emplace_back(row, context, expgb_);
    yngb_ = makeGroupBox("yngb", QT_TRANSLATE_NOOP("Trelativefrm", "Is this the right Experiment?"),
                         {199, 173, 194, 57}, expgb_, context.boxStyle);
    for (const ButtonRow& row : answerButtons)
        buttons_.emplace_back(row, context, yngb_);
    // QT_TRANSLATE_NOOP("Trelativefrm", "&Yes") closes the panel when the motion was applied: heard
    // by whoever cannot see it.
    QPushButton* yes = buttons_[std::size(panelButtons)].widget();
    connect(yes, &QPushButton::clicked, this, [this] {
        if (!context_.scene.expgbVisible)
            context_.say(windowText(QT_TRANSLATE_NOOP("Trelativefrm", "Motion loaded")), nullptr);
    });
    qb_ = makeGroupBox("qb", QT_TRANSLATE_NOOP("Trelativefrm", "Relative Motion Question"),
                       {8, 176, 393, 57}, expgb_, context.boxStyle);
    // Opaque, so the buttons it covers do not show through.
    fillBackground(qb_, khaki);
    buttons_.emplace_back(questionButton, context, qb_);
    for (QWidget* hidden :
         {static_cast<QWidget*>(expgb_), static_cast<QWidget*>(yngb_), static_cast<QWidget*>(qb_)})
        hidden->setVisible(false);

    // The typed text belongs to the scene as soon as it is typed.
    connect(expmem_, &QPlainTextEdit::textChanged, this, [this] {
        memoText_ = expmem_->toPlainText();
        context_.run([this] { context_.scene.expmemText = memoText_; });
    });
    expmem_->setTabChangesFocus(true);
    expmem_->installEventFilter(this);
    expmem_->viewport()->installEventFilter(this);
    // A shortcut of a hidden widget does not fire, so Escape acts only where Cancel shows.
    QPushButton* cancel = buttons_[1].widget();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), cancel);
    connect(escape, &QShortcut::activated, cancel, [cancel] {
        if (cancel->isVisible() && cancel->isEnabled())
            cancel->click();
    });
}

void MotionPanelView::project() {
    const Scene& scene = context_.scene;
    if (title_ != localised(scene.expgbCaption)) {
        title_ = localised(scene.expgbCaption);
        expgb_->setTitle(title_);
        expgb_->setAccessibleName(title_);
        fitCaption(expgb_);
    }
    setShown(expgb_, scene.expgbVisible);
    // Compared with what was last set: the box reads a no-break space or a lone carriage
    // return back differently, and setting the text again would scroll it to its top.
    if (memoText_ != scene.expmemText) {
        memoText_ = scene.expmemText;
        const QSignalBlocker blocker(expmem_);
        expmem_->setPlainText(scene.expmemText);
    }
    if (expmem_->isReadOnly() != scene.expmemReadOnly) {
        expmem_->setReadOnly(scene.expmemReadOnly);
        // Read-only, it keeps a caret, so a screen reader reads it line by line with the arrows.
        if (scene.expmemReadOnly)
            expmem_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
    }
    setShown(yngb_, scene.yngbVisible);
    setShown(qb_, scene.qbVisible);
    for (ShownButton& button : buttons_) {
        button.project(scene);
        // What the question box covers is out of sight, of Tab and of assistive tools.
        if (!qb_->isAncestorOf(button.widget()))
            setShown(button.widget(), !scene.qbVisible);
    }
    if (panelShown_ && !scene.expgbVisible) {
        if (panelReturn_ && panelReturn_->isVisible() && panelReturn_->isEnabled())
            panelReturn_->setFocus(Qt::OtherFocusReason);
        panelReturn_ = nullptr;
    }
    panelShown_ = scene.expgbVisible;
}

void MotionPanelView::takeFocus() {
    const Scene& scene = context_.scene;
    if (!scene.expgbVisible)
        return;
    QWidget* focused = focusedWidget();
    if (focused && !expgb_->isAncestorOf(focused))
        panelReturn_ = focused;
    const bool saving = scene.panelMode == PanelMode::Save && !scene.qbVisible;
    if (saving)
        memoEnterPending_ = true; // also when the box had the focus already
    QWidget* target = scene.qbVisible ? buttons_.back().widget()
                      : saving        ? static_cast<QWidget*>(expmem_)
                                      : static_cast<QWidget*>(buttons_.front().widget());
    target->setFocus(Qt::OtherFocusReason);
}

bool MotionPanelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == expmem_ || watched == expmem_->viewport())
        memoEvent(event);
    return false;
}

void MotionPanelView::enterMemo() {
    memoEnterPending_ = false;
    context_.run([this] { expmemEnter(context_.scene); });
}

// The placeholder gives way once the student is in the box: at once when a click or Tab
// brings the focus, or before the first typed character or click when the focus came by
// the panel opening, a closing menu or the window's activation.
void MotionPanelView::memoEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
            enterMemo();
        else
            memoEnterPending_ = true;
        break;
    }
    case QEvent::KeyPress: {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (memoEnterPending_ && !typed.isEmpty() && typed.at(0).isPrint())
            enterMemo();
        break;
    }
    case QEvent::MouseButtonPress:
        if (memoEnterPending_)
            enterMemo();
        break;
    default:
        break;
    }
}

} // namespace zephyra
