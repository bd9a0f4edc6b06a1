// SPDX-License-Identifier: LGPL-3.0-or-later
#include "ControlFactory.h"
#include "MemoryPropertyBag.h"
#include "OleColour.h"
#include "PB.h"
#include "Panel.h"
#include "SettingsPropertyBag.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PropertyBag, AControlWithAllDefaultsStoresOnlyItsExtent) {
    PB bar;
    bar.resize(96, 48);
    MemoryPropertyBag bag;
    ControlFactory::save(&bar, bag);
    EXPECT_EQ(bag.values(), QVariantMap({{"_extentx", 2540}, {"_extenty", 1270}}));

    Panel panel;
    MemoryPropertyBag panelBag;
    panel.writeProperties(panelBag);
    EXPECT_TRUE(panelBag.values().isEmpty());
}

TEST(PropertyBag, ChangedPropertiesAreStoredAndReadBack) {
    PB bar;
    bar.resize(200, 24);
    bar.setFrameStyle(3);
    bar.setMax(50);
    bar.setValue(10);
    bar.setCFC(true);
    bar.setProgressColor(OleColour::fromRgb(0, 0, 255));
    MemoryPropertyBag bag;
    ControlFactory::save(&bar, bag);
    EXPECT_EQ(bag.names(), QStringList({"CFC", "FrameStyle", "Max", "ProgressColor", "Value",
                                        "_extentx", "_extenty"}));

    PB copy;
    ControlFactory::load(&copy, bag);
    EXPECT_EQ(copy.size(), bar.size());
    EXPECT_EQ(copy.FrameStyle(), 3);
    EXPECT_FLOAT_EQ(copy.Max(), 50);
    EXPECT_FLOAT_EQ(copy.Value(), 10);
    EXPECT_TRUE(copy.CFC());
    EXPECT_FALSE(copy.DFC());
    EXPECT_EQ(copy.ProgressColor(), OleColour::fromRgb(0, 0, 255));
    EXPECT_EQ(copy.BackColor(), OleColour::ButtonFace);
}

TEST(PropertyBag, SettingsKeepPropertiesAcrossRuns) {
    QTemporaryDir dir;
    const QString file = dir.filePath("form.ini");
    {
        QSettings settings(file, QSettings::IniFormat);
        SettingsPropertyBag bag(settings, "PB1");
        PB bar;
        bar.setDFC(true);
        bar.setBackColor(0x00FFFF);
        bar.writeProperties(bag);
    }
    QSettings settings(file, QSettings::IniFormat);
    SettingsPropertyBag bag(settings, "PB1");
    EXPECT_EQ(bag.names(), QStringList({"BackColor", "DFC"}));
    PB bar;
    bar.readProperties(bag);
    EXPECT_TRUE(bar.DFC());
    EXPECT_EQ(bar.BackColor(), 0x00FFFFu);
    EXPECT_FLOAT_EQ(bar.Max(), 100);
}
