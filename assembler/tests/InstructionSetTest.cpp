// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstructionSet.h"
#include "CodeImage.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char16_t* mnemonic;
    int a, b;
    const char* bytes; // "B1 B2" or "B1"
};

QString bytesOf(const InstructionSet::Encoding& e) {
    return e.length == 2 ? CodeImage::hex2(e.byte1) + u' ' + CodeImage::hex2(e.byte2)
                         : CodeImage::hex2(e.byte1);
}

// Every instruction once, with operands that show where each one lands;
// the values are worked out by hand from the controller's opcode map.
const Case table[] = {
    {u"MOVD", 18, 40, "12 28"},  {u"MOVD", 300, 5, "2C 05"},    {u"CPD", 3, 200, "43 C8"},
    {u"MOVM", 2, 70, "82 06"},   {u"CPM", 7, 9, "87 49"},       {u"GOTO", 200, 0, "83 88"},
    {u"GOTO_W", 65, 0, "89 81"}, {u"GOTO_NW", 130, 0, "92 82"}, {u"CALL", 255, 0, "A3 BF"},
    {u"MACRO_N", 3, 0, "80 83"}, {u"MACRO_E", 64, 0, "89 80"},  {u"MACRO_D", 1, 0, "90 81"},
    {u"MGR", 5, 12, "B5 8C"},    {u"MGW", 1, 63, "81 FF"},      {u"+PUSH", 300, 0, "94 EC"},
    {u"+PUSH", 16, 0, "90 D0"},  {u"PUSH", 10, 0, "90 EA"},     {u"+POP", 260, 0, "9C C4"},
    {u"POP", 40, 0, "99 C8"},    {u"IN", 2, 5, "C2 05"},        {u"/IN", 1, 64, "C1 40"},
    {u"OUT", 1, 0, "C1 80"},     {u"/OUT", 7, 63, "C7 FF"},     {u"OR", 1, 0, "C9 00"},
    {u"/OR", 0, 2, "C8 42"},     {u"AND", 3, 4, "CB 84"},       {u"/AND", 1, 3, "C9 C3"},
    {u"XOR", 2, 1, "D2 01"},     {u"CPL", 0, 8, "D0 48"},       {u"SET", 0, 63, "D0 BF"},
    {u"CLR", 4, 2, "D4 C2"},     {u"INC", 7, 0, "D8 07"},       {u"DEC", 1, 0, "D8 41"},
    {u"ROR", 2, 0, "D8 82"},     {u"ROL", 65, 0, "D8 C1"},      {u"ADD", 9, 0, "D9 09"},
    {u"SUB", 9, 0, "D9 49"},     {u"+SWAP", 100, 0, "99 A4"},   {u"SWAP", 100, 0, "9A 84"},
    {u"+TRACER", 5, 0, "A8 85"}, {u"TRACER", 5, 0, "A8 A5"},    {u"+ANL", 70, 0, "A1 C6"},
    {u"ANL", 70, 0, "A1 E6"},    {u"+ORL", 1, 0, "A8 C1"},      {u"ORL", 1, 0, "A8 E1"},
    {u"+XRL", 128, 0, "B2 C0"},  {u"XRL", 128, 0, "B2 E0"},     {u"TABLE", 1, 2, "B9 C2"},
    {u"MUL", 3, 0, "D9 83"},     {u"DIV", 3, 0, "D9 C3"},       {u"FEG", 200, 0, "AB 88"},
    {u"SET_W", 0, 0, "F0"},      {u"CLR_W", 0, 0, "F1"},        {u"SET_BCD", 0, 0, "F2"},
    {u"SAVE", 0, 0, "F3"},       {u"LOAD", 0, 0, "F4"},         {u"TRAN", 0, 0, "F5"},
    {u"ANDM", 0, 0, "F6"},       {u"ORM", 0, 0, "F7"},          {u"KPI", 0, 0, "F8"},
    {u"KPO", 0, 0, "F9"},        {u"CHG_XW", 0, 0, "FA"},       {u"CHG_BW", 0, 0, "FB"},
    {u"CHG_SW", 0, 0, "FC"},     {u"NOT", 0, 0, "FD"},          {u"RUN", 0, 0, "FE"},
    {u"END", 0, 0, "FF"},        {u"NOP", 0, 0, "01"},          {u"PRG", 0, 0, "FF"},
    {u"ORG", 3, 0, "F0"},
};

TEST(InstructionSet, EveryInstructionAssemblesToItsBytes) {
    for (const Case& c : table) {
        const auto encoding = InstructionSet::encode(c.mnemonic, c.a, c.b);
        ASSERT_TRUE(encoding) << QString::fromUtf16(c.mnemonic).toStdString();
        EXPECT_EQ(bytesOf(*encoding).toStdString(), c.bytes)
            << QString::fromUtf16(c.mnemonic).toStdString() << "," << c.a << "," << c.b;
    }
}

TEST(InstructionSet, OnlyOriginMovesTheCounter) {
    for (const Case& c : table)
        EXPECT_EQ(InstructionSet::encode(c.mnemonic, c.a, c.b)->origin,
                  c.mnemonic == QStringView(u"ORG"));
    EXPECT_EQ(InstructionSet::originOf(3), 0x230);
}

TEST(InstructionSet, WordsThatAreNotInstructionsGiveNothing) {
    for (const char16_t* word :
         {u"in", u"IN ", u"MEMO", u"XW", u"SYS", u"ERROR ", u"", u"++PUSH", u"EN"})
        EXPECT_FALSE(InstructionSet::encode(word, 0, 0)) << QString::fromUtf16(word).toStdString();
}

TEST(InstructionSet, NegativeOperandsKeepTheirLowBits) {
    // -5 is ...FB: the byte keeps its low eight bits, hi() and lo() their fields.
    EXPECT_EQ(bytesOf(*InstructionSet::encode(u"MOVD", -5, -1)), "FB FF");
    EXPECT_EQ(bytesOf(*InstructionSet::encode(u"GOTO", -1, 0)), "83 BF");
}

} // namespace
