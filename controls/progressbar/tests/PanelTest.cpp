// SPDX-License-Identifier: LGPL-3.0-or-later
#include "Panel.h"
#include "OleColour.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(Panel, GetLMeasuresTheCurrentCaption) {
    Panel panel;
    panel.SetLC("7%");
    const float narrow = panel.GetL(true);
    panel.SetLC("100% done");
    EXPECT_GT(panel.GetL(true), narrow);
    EXPECT_FLOAT_EQ(panel.GetL(true), panel.label()->width() * Panel::TwipsPerPixel);
    EXPECT_FLOAT_EQ(panel.GetL(false), panel.label()->height() * Panel::TwipsPerPixel);
}

TEST(Panel, BackColorReachesTheLabel) {
    Panel panel;
    QSignalSpy changed(&panel, &Panel::propertyChanged);
    panel.setBackColor(OleColour::fromRgb(0, 128, 0));
    EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(panel.label()->palette().color(QPalette::Window), QColor(0, 128, 0));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toString(), "BackColor");
    // A system colour follows the palette role it names.
    panel.setBackColor(OleColour::Highlight);
    EXPECT_EQ(panel.label()->palette().color(QPalette::Window),
              panel.palette().color(QPalette::Highlight));
}

TEST(Panel, MethodsSteerTheLabel) {
    Panel panel;
    panel.resize(300, 40);
    panel.show();
    panel.SetLL(150); // twips
    panel.SetLT(30);
    EXPECT_EQ(panel.label()->pos(), QPoint(10, 2));
    panel.SetLFC(OleColour::fromRgb(255, 0, 0));
    EXPECT_EQ(panel.label()->palette().color(QPalette::WindowText), QColor(Qt::red));
    panel.SetP(false);
    EXPECT_FALSE(panel.label()->isVisible());
    panel.setToolTip("busy");
    QSignalSpy moved(&panel, &Panel::MouseMoved);
    QTest::mouseMove(&panel, QPoint(200, 20));
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(panel.label()->toolTip(), "busy");
}
