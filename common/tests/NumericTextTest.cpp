// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumericText.h"

#include <QString>

#include <limits>

#include <gtest/gtest.h>

TEST(NumericText, ReadsTheLeadingNumberOnly) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"", 0},      {u"abc", 0},     {u" 5", 5},     {u"   27x", 27}, {u"-3", -3}, {u"2.5", 2.5},
        {u"&H1F", 31}, {u"&hff", 255},  {u" &H10", 16}, {u"&H", 0},      {u"&HG", 0}, {u"0.1", 0.1},
        {u"D100", 0},  {u"100,5", 100}, {u"\t7", 7},    {u"+4", 4},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(NumericText::value(QStringView(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(NumericText, FloorIntRoundsDownAndClamps) {
    EXPECT_EQ(NumericText::floorInt(-1.0 / 13), -1);
    EXPECT_EQ(NumericText::floorInt(26.0 / 13), 2);
    EXPECT_EQ(NumericText::floorInt(1e30), std::numeric_limits<int>::max());
    EXPECT_EQ(NumericText::floorInt(-1e30), std::numeric_limits<int>::min());
}
