// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceReplacement.h"
#include "AssemblyPass.h"
#include "QStringPrinter.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

const QString I12(12, u' ');

TEST(SourceReplacement, UpperCaseAndThePlusFormsOfHexadecimalOperands) {
    const auto result = SourceReplacement::apply(I12 + "push,&h10\r\n" + I12 + "PUSH,16\r\n" + I12 +
                                                     "xrl,&h3\r\n" + I12 + "+PUSH,&H10\r\n",
                                                 {});
    EXPECT_EQ(result.work, I12 + "+PUSH,&H10\r\n" + I12 + "PUSH,16\r\n" + I12 + "+XRL,&H3\r\n" +
                               I12 + "++PUSH,&H10\r\n");
    // Both address 16 in the end: the plain form adds 32 to its operand.
    const auto pass = AssemblyPass::run("\r\n" + result.work);
    EXPECT_TRUE(pass.image.text().startsWith("0000 = 90 - D0\r\n0002 = 90 - F0\r\n"));
    // "++PUSH" is no instruction.
    EXPECT_FALSE(pass.ok);
    EXPECT_TRUE(pass.message.endsWith(">>> ++PUSH,&H10 <<<"));
}

TEST(SourceReplacement, TheListActsInFileOrderOnUpperCase) {
    const auto result = SourceReplacement::apply(
        "memo 1\r\na b\r\n", {"memo [ movd ]", "", "A[B]", "  ", "B[C] rest ignored"});
    EXPECT_EQ(result.work, "MOVD 1\r\nC C\r\n");
    EXPECT_TRUE(result.skipped.isEmpty());
}

TEST(SourceReplacement, MalformedLinesArePassedOverAndNamed) {
    const auto result = SourceReplacement::apply("ABC\r\n", {"A[X", "no brackets", "B]C[", "C[Z]"});
    EXPECT_EQ(result.work, "ABZ\r\n");
    EXPECT_EQ(result.skipped, (QStringList{"line 1: A[X", "line 2: no brackets", "line 3: B]C["}));
}

TEST(SourceReplacement, AListWhoseLinesFeedEachOtherIsRefusedAtTheBound) {
    // Each line doubles the text: 40 of them would ask for terabytes.
    const QStringList doubling(40, QStringLiteral("A [AA]"));
    const auto result = SourceReplacement::apply(I12 + "A\r\n", doubling);
    EXPECT_EQ(result.refusal,
              "Line 24 of the replacement list makes the source larger than 16 MiB; not assembled");
    // A list that grows the text within the bound goes through as before.
    const auto small = SourceReplacement::apply(I12 + "A\r\n", doubling.mid(0, 3));
    EXPECT_TRUE(small.refusal.isEmpty());
    EXPECT_EQ(small.work, I12 + QString(8, u'A') + "\r\n");
}

TEST(SourceReplacement, ReadsDefReplaceDefAndDoesWithoutIt) {
    TestFolder test;
    EXPECT_EQ(SourceReplacement::Rep_prs("pop,&h2", test.folder()).work, "+POP,&H2");
    test.write("def/REPLACE.def", "sys, [call,]\r\n");
    EXPECT_EQ(SourceReplacement::Rep_prs("sys,5", test.folder()).work, "CALL,5");
}

} // namespace
