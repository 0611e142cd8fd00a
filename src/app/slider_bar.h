// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

namespace zephyra {

// A horizontal scroll bar that repaints only when its look changes. A bar's value may change
// without its slider moving by a pixel (the time bar: 10,000 steps over 153 pixels, 50 steps a
// second in flight); Qt's bar repaints at every change.
class SliderBar : public QScrollBar {
    Q_OBJECT
public:
    explicit SliderBar(QWidget* parent);

    // What one step is worth as assistive tools read the value: 0.1 makes 471 read 47.1.
    void setSpokenStep(double step) { spokenStep_ = step; }
    double spokenStep() const { return spokenStep_; }

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect slider() const;
    bool atEnd(int value) const { return value == minimum() || value == maximum(); }

    QRect paintedSlider_;
    int paintedValue_ = 0;
    double spokenStep_ = 1;
};

} // namespace zephyra
