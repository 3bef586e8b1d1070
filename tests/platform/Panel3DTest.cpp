#include "Panel3D.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The colour at a share of the panel's width and height.
QColor colourAt(Panel3D& panel, double x, double y) {
    const QImage image = panel.grab().toImage();
    return image.pixelColor(int(image.width() * x), int(image.height() * y));
}

TEST(Panel3DTest, AGaugeFillsItsShareFromTheChosenEdge) {
    Panel3D panel;
    panel.resize(200, 40);
    panel.setBackColour(Qt::white);
    panel.setFloodColour(Qt::blue);
    panel.setFloodPercent(50);
    // From the bottom: the lower half is filled across the whole width.
    EXPECT_EQ(colourAt(panel, 0.1, 0.8), QColor(Qt::blue));
    EXPECT_EQ(colourAt(panel, 0.1, 0.2), QColor(Qt::white));
    panel.setFloodFrom(Panel3D::FloodFrom::Left);
    EXPECT_EQ(colourAt(panel, 0.1, 0.2), QColor(Qt::blue));
    EXPECT_EQ(colourAt(panel, 0.9, 0.8), QColor(Qt::white));
    panel.setFloodPercent(Panel3D::kNoFlood);
    EXPECT_EQ(colourAt(panel, 0.1, 0.2), QColor(Qt::white));
}

} // namespace
