// SPDX-License-Identifier: GPL-3.0-or-later
// The window's designed colours, read back from the pixels of a grabbed window.
#include "app/notebook.h"
#include "app/window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance and contrast ratio of two colours, as accessibility guidelines define them.
double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

const QRgb pale = qRgb(254, 253, 199);
const QRgb page = qRgb(240, 240, 240);

// A desktop theme with light text on dark surfaces, set before the window is built and
// restored after it is gone.
struct DarkDesktopPalette {
    DarkDesktopPalette() {
        QPalette dark(QColor(53, 53, 53));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(238, 238, 238));
        QApplication::setPalette(dark);
    }
    ~DarkDesktopPalette() { QApplication::setPalette(saved); }
    QPalette saved = QApplication::palette();
};

class DarkDesktop : public DarkDesktopPalette, public Window {
protected:
    // Every shown label with text: its commonest pixel is the background, which is the
    // designed one, and its text the pixel that stands out most from it.
    void expectReadableLabels(const char* state) {
        const QImage image = window.centralWidget()->grab().toImage();
        int checked = 0;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (!label->isVisibleTo(&window) || label->text().trimmed().isEmpty())
                continue;
            const QRect area =
                QRect(label->mapTo(window.centralWidget(), QPoint(0, 0)), label->size()) &
                image.rect();
            QHash<QRgb, int> counts;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    ++counts[image.pixel(x, y)];
            const QRgb background =
                std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                    return a.second < b.second;
                })->first;
            EXPECT_TRUE(background == pale || background == page)
                << state << ": " << label->objectName().toStdString() << " on "
                << QColor::fromRgb(background).name().toStdString();
            double best = 1;
            for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
                best = std::max(best, contrast(*it, background));
            EXPECT_GE(best, 4.5) << state << ": " << label->objectName().toStdString();
            ++checked;
        }
        EXPECT_GT(checked, 3) << state;
    }
};

} // namespace

TEST_F(Window, DesignedColoursShowExactlyInsideGroupBoxes) {
    choose("Showposition1");
    choose("SaveMotion1");
    const QImage image = window.centralWidget()->grab().toImage();
    const QColor pale(254, 253, 199), khaki(169, 150, 109), page(240, 240, 240);
    const std::pair<QPoint, QColor> samples[] = {
        {{583, 300}, pale},  // inside "Ground Position", right of the ground view
        {{25, 66}, pale},    // inside "Displacement from Start"
        {{145, 200}, khaki}, // inside the motion panel, left of the text box
        {{530, 310}, khaki}, // and below it, right of the Yes/No box
        {{589, 300}, khaki}, // the right-hand panel, left of the notebook
    };
    for (const auto& [point, colour] : samples)
        EXPECT_EQ(image.pixelColor(point).name(), colour.name()) << point.x() << ", " << point.y();

    // The distance scale box on the Controls page, between its items.
    const QWidget* scale = find("distancerb");
    const QPoint inside = scale->mapTo(window.centralWidget(), QPoint(scale->width() - 4, 40));
    EXPECT_EQ(image.pixelColor(inside).name(), page.name());
}

TEST_F(DarkDesktop, EveryLabelReadsOnBothPagesAndWhileThePanelIsInert) {
    choose("Showposition1");
    find<QCheckBox>("stopstartcb")->click();
    expectReadableLabels("controls page");
    window.findChild<zephyra::Notebook*>()->setCurrentIndex(1);
    expectReadableLabels("velocities page");
    choose("SaveMotion1");
    ASSERT_FALSE(find("Panel1")->isEnabled());
    expectReadableLabels("panel inert");
}
