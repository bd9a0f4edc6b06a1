// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(UiTexts, KeysTipsAndRowsOfControls) {
    const UiTexts texts = UiTexts::parse("# a note=not a text\r\n"
                                         "print.page = Page \r\n"
                                         "Form1/Command1(3)=Does nothing\\nhere\r\n"
                                         "Form1/PageButton(*)=Page %1\r\n"
                                         "Form1/Keypad(*)=A key\r\n"
                                         "no equals sign\r\n");
    EXPECT_EQ(texts.text("print.page"), "Page");
    EXPECT_EQ(texts.text("# a note", "fallback"), "fallback");
    EXPECT_EQ(texts.tip("Form1", "Command1(3)"), "Does nothing\nhere");
    // A row's text stands for each of its controls, numbered from 1.
    EXPECT_EQ(texts.tip("Form1", "PageButton(0)"), "Page 1");
    EXPECT_EQ(texts.tip("Form1", "PageButton(21)"), "Page 22");
    EXPECT_EQ(texts.tip("Form1", "Keypad(7)"), "A key");
    EXPECT_EQ(texts.tip("Form3", "PageButton(0)"), "");
    EXPECT_EQ(texts.tip("Form1", "Command1(4)"), "");
}

} // namespace
