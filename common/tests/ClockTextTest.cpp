// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockText.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockText, SevenFieldsWithSundayAsOne) {
    const QString sunday = ClockText::of(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 3)));
    EXPECT_EQ(sunday, "2026 12 01 06 09 05 03");
    EXPECT_EQ(ClockText::of(QDateTime(QDate(2027, 1, 30), QTime(23, 59, 59))),
              "2027 01 07 30 23 59 59");
    const QString fields[] = {"26", "12", "01", "06", "09", "05", "03"};
    for (int i = 0; i < ClockText::Fields; ++i)
        EXPECT_EQ(ClockText::field(sunday, i), fields[i]) << i;
}

TEST(ClockText, ValidOnlyInItsFormAndAsARealDateAndTime) {
    EXPECT_TRUE(ClockText::valid("2026 12 01 06 09 05 03"));
    for (const char* bad :
         {"2026 12 01 06 09 05", "2026-12-01 06 09 05 03", "2026 12 01 06 09 05 3",
          "2026 13 01 06 09 05 03", "2026 02 01 30 09 05 03", "2026 12 08 06 09 05 03",
          "2026 12 01 06 24 05 03", " 2026 12 01 06 09 05 03"})
        EXPECT_FALSE(ClockText::valid(bad)) << bad;
    // The reason names the field and what it takes.
    EXPECT_EQ(ClockText::problem("2026 12 03 8 14 05 00"),
              "DD, the day, has two digits (write 05 for 5), not \"8\"");
    EXPECT_EQ(ClockText::problem("2026 12 08 03 14 05 00"),
              "WD, the weekday, is 01 (Sunday) to 07 (Saturday), not 08");
    EXPECT_EQ(ClockText::problem("2026 02 01 30 09 05 03"), "there is no date 2026-02-30");
    // 2026-12-08 is a Tuesday, whatever the text says.
    EXPECT_EQ(ClockText::weekdayOfDate("2026 12 05 08 14 05 00"), 3);
}

} // namespace
