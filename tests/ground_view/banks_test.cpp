// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/banks.h"
#include "ground_view/shore.h"
#include "scene/scene.h"
#include "support/printers.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace zephyra;

namespace {

struct BankCase {
    int riverWidth;
    int upperLastRow; // last row of the upper bank, its outline included
    int lowerFirstRow;
};

// Width 0 closes the river at row 259; an odd width loses a row of water; 500 leaves
// banks 9 and 10 pixels deep.
const BankCase bankCases[] = {{0, 258, 259}, {250, 133, 384}, {251, 133, 384}, {500, 8, 509}};

constexpr QRgb water = qRgb(0, 200, 255);
constexpr QRgb black = qRgb(0, 0, 0);

QRgb expectedPixel(const BankCase& c, int x, int y) {
    const bool edgeColumn = x == 0 || x == waterimWidth - 1;
    if (y <= c.upperLastRow)
        return edgeColumn || y == 0 || y == c.upperLastRow ? black : bankColour;
    if (y >= c.lowerFirstRow)
        return edgeColumn || y == c.lowerFirstRow || y == waterimHeight - 1 ? black : bankColour;
    return water;
}

} // namespace

TEST(BanksTest, RectanglesCoverTheRowsAboveAndBelowTheWater) {
    for (const BankCase& c : bankCases) {
        const auto banks = bankRects(c.riverWidth);
        EXPECT_EQ(banks[0], QRect(0, 0, 578, c.upperLastRow + 1)) << "width " << c.riverWidth;
        EXPECT_EQ(banks[1], QRect(0, c.lowerFirstRow, 578, 519 - c.lowerFirstRow))
            << "width " << c.riverWidth;
    }
}

TEST(BanksTest, PaintsTanBanksWithABlackOutlineAndLeavesTheWater) {
    for (const BankCase& c : bankCases) {
        Scene scene;
        scene.shoresb.position = c.riverWidth;
        QImage view(waterimWidth, waterimHeight, QImage::Format_RGB32);
        view.fill(water);
        {
            QPainter canvas(&view);
            plotshorebtClick(scene, canvas);
            EXPECT_EQ(canvas.brush().color(), QColor(Qt::white));
            EXPECT_EQ(canvas.pen().color(), QColor(Qt::black));
            EXPECT_EQ(canvas.pen().width(), 1);
        }
        int wrong = 0;
        for (int y = 0; y < waterimHeight; ++y)
            for (int x = 0; x < waterimWidth; ++x)
                if (view.pixel(x, y) != expectedPixel(c, x, y) && wrong++ < 5)
                    ADD_FAILURE() << "width " << c.riverWidth << " pixel (" << x << ", " << y
                                  << ") is " << std::hex << view.pixel(x, y);
        EXPECT_EQ(wrong, 0) << "width " << c.riverWidth;
    }
}
