// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/shown.h"
#include "app/window_context.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QGroupBox;
class QPlainTextEdit;

namespace zephyra {

// The "Motion" panel over the ground view: the explanation, Load or Save and Cancel, the
// question whether a previewed motion is the right one, and the question box's Ok. It takes
// the focus when it opens and gives it back when it closes.
class MotionPanelView : public QObject {
    Q_OBJECT
public:
    MotionPanelView(WindowContext& context, QWidget* client);

    void project();
    // The focus goes to what the panel now asks for, and comes back when it closes.
    void takeFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void memoEvent(QEvent* event);
    void enterMemo();

    WindowContext& context_;
    QGroupBox* expgb_;
    QPlainTextEdit* expmem_;
    QGroupBox* yngb_;
    QGroupBox* qb_;
    std::vector<ShownButton> buttons_; // Load or Save, Cancel, Yes, No, Ok
    QString title_;
    QString memoText_; // as last set or typed: the box reads some texts back differently
    QPointer<QWidget> panelReturn_;
    bool panelShown_ = false;
    bool memoEnterPending_ = false; // the focus is in the text box, its placeholder not cleared
};

} // namespace zephyra
