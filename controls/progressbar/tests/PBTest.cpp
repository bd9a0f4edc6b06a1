// SPDX-License-Identifier: LGPL-3.0-or-later
#include "PB.h"
#include "ControlFactory.h"
#include "OleColour.h"
#include "Panel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr quint32 White = 0xFFFFFF;
constexpr quint32 Red = 0x0000FF; // red sits in the low byte

class PBTest : public ::testing::Test {
protected:
    PBTest() {
        bar.resize(200, 24); // 3000 by 360 twips
        bar.show();
    }
    PB bar;
};

TEST_F(PBTest, HalfOfMaxShowsFiftyPercentAndAHalfBar) {
    bar.setValue(50);
    EXPECT_EQ(bar.text()->text(), "50%");
    EXPECT_EQ(bar.bar()->label()->text(), "50%");
    EXPECT_DOUBLE_EQ(bar.barWidth(), 3000.0 / 2 - 14 - 10);
    EXPECT_TRUE(bar.bar()->isVisible());
    bar.setFrameStyle(3);
    bar.Draws();
    EXPECT_DOUBLE_EQ(bar.barWidth(), 3000.0 / 2 - 14 - 20 - 10);
}

TEST_F(PBTest, ValuesAboveMaxAreClamped) {
    bar.setValue(250);
    EXPECT_FLOAT_EQ(bar.Value(), 100);
    EXPECT_EQ(bar.text()->text(), "100%");
    bar.setMax(400);
    EXPECT_EQ(bar.text()->text(), "25%");
}

TEST_F(PBTest, ZeroHidesTheBar) {
    bar.setValue(30);
    bar.setValue(0);
    EXPECT_FALSE(bar.bar()->isVisible());
    EXPECT_EQ(bar.text()->text(), "0%");
    EXPECT_EQ(bar.percent(), 0);
}

TEST_F(PBTest, ANegativeValueShowsTheBarButLeavesItsWidth) {
    bar.setValue(40);
    const double width = bar.barWidth();
    QSignalSpy progress(&bar, &PB::Progress);
    bar.setValue(-5);
    EXPECT_TRUE(bar.bar()->isVisible());
    EXPECT_DOUBLE_EQ(bar.barWidth(), width);
    EXPECT_EQ(progress.count(), 0);
    EXPECT_EQ(bar.text()->text(), "40%");
}

TEST_F(PBTest, EveryDrawingReportsItsPercent) {
    QSignalSpy progress(&bar, &PB::Progress);
    bar.setValue(33.9f);
    bar.setValue(100);
    ASSERT_EQ(progress.count(), 2);
    EXPECT_EQ(progress[0][0].value<uchar>(), 33);
    EXPECT_EQ(progress[1][0].value<uchar>(), 100);
}

TEST_F(PBTest, EveryPaintDrawsAndReportsItsPercentOnce) {
    bar.setValue(40);
    QTest::qWait(50); // the paints of showing and setting are over
    QSignalSpy progress(&bar, &PB::Progress);
    bar.repaint();
    QTest::qWait(50);
    ASSERT_EQ(progress.count(), 1);
    EXPECT_EQ(progress[0][0].value<uchar>(), 40);
    bar.update();
    bar.update(); // merged into one paint
    QTest::qWait(50);
    EXPECT_EQ(progress.count(), 2);
}

TEST_F(PBTest, HidingThePercentageHidesBothTexts) {
    bar.setValue(20);
    bar.ShwPt(false);
    EXPECT_FALSE(bar.text()->isVisible());
    EXPECT_FALSE(bar.bar()->label()->isVisible());
    bar.setValue(60); // the bar grows, the hidden text is not redrawn
    EXPECT_EQ(bar.text()->text(), "20%");
}

TEST_F(PBTest, ColoursFollowTheFlags) {
    bar.setBackColor(White);
    bar.setProgressColor(Red);
    EXPECT_EQ(bar.text()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(bar.text()->palette().color(QPalette::WindowText),
              bar.palette().color(QPalette::ButtonText));
    bar.setCFC(true);
    EXPECT_EQ(bar.text()->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(bar.bar()->label()->palette().color(QPalette::WindowText), QColor(Qt::white));
    bar.setDFC(true);
    EXPECT_EQ(bar.bar()->label()->palette().color(QPalette::WindowText),
              bar.palette().color(QPalette::HighlightedText));
}

// What the user sees: the bar's colour covers the expected columns, and the
// two copies of the percentage lie on top of each other.
TEST_F(PBTest, TheFilledColumnsAndBothTextsAgree) {
    bar.setBackColor(White);
    bar.setProgressColor(Red);
    bar.setValue(75);
    const QImage image = bar.grab().toImage();
    int red = 0;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, 2) == QColor(Qt::red)) ++red;
    EXPECT_EQ(red, qRound(bar.barWidth() / PB::TwipsPerPixel));
    EXPECT_EQ(image.pixelColor(1 + red + 2, 2), QColor(Qt::white));

    const QLabel* under = bar.bar()->label();
    EXPECT_EQ(under->text(), bar.text()->text());
    EXPECT_EQ(bar.bar()->mapTo(&bar, under->pos()), bar.text()->pos());
}

TEST(ControlFactory, CreatesByClassNameAndSetsValueByName) {
    std::unique_ptr<QWidget> control(ControlFactory::create("ProgressBarControl.PB"));
    ASSERT_NE(control, nullptr);
    control->resize(150, 20);
    ASSERT_TRUE(control->setProperty("Value", 42));
    EXPECT_EQ(control->findChild<QLabel*>("PercentText")->text(), "42%");
    EXPECT_EQ(ControlFactory::create("ProgressBarControl.Nothing"), nullptr);
    std::unique_ptr<QWidget> panel(ControlFactory::create("ProgressBarControl.Panel"));
    EXPECT_NE(qobject_cast<Panel*>(panel.get()), nullptr);
}

TEST(PBProperties, TheTypeLibraryOrder) {
    const QMetaObject& meta = PB::staticMetaObject;
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        names << meta.property(i).name();
    EXPECT_EQ(names, QStringList({"FrameStyle", "BackColor", "Max", "CFC", "DFC", "ProgressColor",
                                  "Value"}));
}

} // namespace
