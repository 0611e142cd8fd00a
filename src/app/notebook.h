// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

class QStackedWidget;
class QTabBar;

namespace zephyra {

// A tabbed notebook whose pages have a fixed client area: each page starts at (4, 25)
// inside the notebook, so controls placed on a page land where they were designed.
class Notebook : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint pageOrigin{4, 25};

    explicit Notebook(QWidget* parent);

    // The caption is English, shown in the language chosen.
    QWidget* addPage(const char* caption, const QString& objectName);
    void retranslate();
    static constexpr int tabPixelSize = 11;
    int currentIndex() const;
    void setCurrentIndex(int index);

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeChildren();

    void fitTabs();

    QTabBar* tabs_;
    std::vector<const char*> captions_;
    QStackedWidget* pages_;
};

} // namespace zephyra
