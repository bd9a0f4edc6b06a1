// SPDX-License-Identifier: GPL-3.0-or-later
#include "ByteField.h"

#include <QString>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Case {
    const char16_t* text;
    std::optional<quint8> byte;
};

TEST(ByteField, ADecimalFieldIsTheNumberItBeginsWith) {
    const Case cases[] = {
        {u"", 0},
        {u"0", 0},
        {u"  12", 12},
        {u"\t7", 7},
        {u"12 34", 12},
        {u"255", 255},
        {u"1F", 1},
        {u"ff", 0},
        {u"&H10", 16},
        {u"254.5", 254},
        {u"0.5", 0},
        {u"2.51", 3},
        {u"256", std::nullopt},
        {u"-1", std::nullopt},
        {u"255.5", std::nullopt},
        {u"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ByteField::decimal(QString::fromUtf16(c.text)), c.byte)
            << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

TEST(ByteField, AHexadecimalFieldIsItsDigitsAfterAmpersandH) {
    const Case cases[] = {
        {u"", 0},
        {u"0", 0},
        {u"1F", 31},
        {u"ff", 255},
        {u"A5", 0xA5},
        {u"00FF", 255},
        {u"12 34", 0x12},
        {u"5Ax", 0x5A},
        {u"G", 0},
        {u"-1", 0},
        {u"100", std::nullopt},
        {u"1FF", std::nullopt},
        {u"FFFF", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ByteField::hexadecimal(QString::fromUtf16(c.text)), c.byte)
            << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

// A service field is sent only when it is digits and nothing else.
TEST(ByteField, ARangedHexadecimalFieldIsDigitsOnly) {
    const struct {
        const char16_t* text;
        std::optional<int> value;
    } cases[] = {
        {u"A", 0xA},
        {u"109", 0x109},
        {u"ff", 0xFF},
        {u"9", std::nullopt},
        {u"10A", std::nullopt},
        {u"", std::nullopt},
        {u"ZZ", std::nullopt},
        {u"-1", std::nullopt},
        {u"0x1", std::nullopt},
        {u"1 2", std::nullopt},
        {u"\u0661", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ByteField::hexadecimal(QString::fromUtf16(c.text), 0xA, 0x109), c.value)
            << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

} // namespace
