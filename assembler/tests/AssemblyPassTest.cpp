// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssemblyPass.h"
#include "Excerpt.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

const QString I12(12, u' ');

// A source as the conversion writes it: three empty lines, then each line
// indented by 12 blanks and ended with CR LF.
QString source(const QStringList& lines) {
    QString text = QStringLiteral("\r\n\r\n\r\n");
    for (const QString& line : lines)
        text += (line.startsWith(u'\'') ? line : I12 + line) + QStringLiteral("\r\n");
    return text;
}

QStringList records(const AssemblyPass::Result& result) {
    return result.image.text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

TEST(AssemblyPass, OneInstructionGivesItsRecordAndListingLine) {
    const auto result = AssemblyPass::run(source({"IN,0,1", "       PEND"}));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.text(), "0000 = C0 - 01\r\n");
    EXPECT_EQ(result.listing, "  IN,0,1 = C0-01\r\n");
    EXPECT_EQ(result.instructions, 1);
    EXPECT_EQ(result.trace, "IN - 0 - 1 - 0");
}

TEST(AssemblyPass, AnOddEndIsPaddedAndOneByteInstructionsShareWords) {
    const auto result = AssemblyPass::run(source({"END", "IN,0,1"}));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(records(result), (QStringList{"0000 = FF - C0", "0002 = 01 - FF"}));
    EXPECT_EQ(result.listing, "   END = FF\r\n  IN,0,1 = C0-01\r\n");
}

TEST(AssemblyPass, PendEndsThePassAndIsAddedWhenMissing) {
    EXPECT_EQ(records(AssemblyPass::run(source({"NOP", "PEND", "END"}))),
              QStringList{"0000 = 01 - FF"});
    // Without PEND the last line still gets its line end and is assembled.
    EXPECT_EQ(AssemblyPass::run(QStringLiteral("\r\n") + I12 + "NOP").image.text(),
              "0000 = 01 - FF\r\n");
    // A text without any line end has nothing to assemble.
    EXPECT_EQ(AssemblyPass::run(QStringLiteral("NOP")).image.text(), "");
}

TEST(AssemblyPass, TheScannerStepsOverShortAndEmptyLines) {
    // Short lines (under four characters) and blank runs of any length are
    // passed over; instructions after them are all found.
    const QString text = "\r\n" + I12 + "NOP\r\n\r\n\r\n" + I12 + "ab\r\n\r\n" + I12 +
                         "END\r\n\r\n\r\n\r\n" + I12 + "IN,1,2\r\n";
    const auto result = AssemblyPass::run(text);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.listing, "   NOP = 01\r\n   END = FF\r\n  IN,1,2 = C1-02\r\n");
    // The first character of the text is never read: an unindented first
    // line loses its first letter.
    EXPECT_FALSE(AssemblyPass::run(QStringLiteral("IN,0,1\r\n")).ok);
}

TEST(AssemblyPass, AStrayCarriageReturnEndsThePassInsteadOfLooping) {
    const auto result = AssemblyPass::run("\r\n" + I12 + "NOP\r" + I12 + "END\r" + I12 + "PEND\r");
    EXPECT_EQ(result.image.text(), "0000 = 01 - FF\r\n");
}

TEST(AssemblyPass, ACommentLineIsACommentToItsEnd) {
    // The scan steps through a comment line two characters at a time; none
    // of its rest is taken for an instruction.
    const auto result = AssemblyPass::run(source({"' 2", "'IN,9,9 pump two", "NOP", "'", "END"}));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.listing, "   NOP = 01\r\n   END = FF\r\n");
}

TEST(AssemblyPass, TheLastCommentIsReadAsFarAsTheScanSeesIt) {
    // A "'" deep in the line's head: the scan reads the comment again at
    // every step and keeps the fullest reading.
    const auto result = AssemblyPass::run("\r\n\r\n\r\n         ' 12\r\n" + I12 + "BAD,1\r\n");
    EXPECT_EQ(result.message, "Error in Line  12\r\n>>> BAD,1 <<<");
}

TEST(AssemblyPass, CommentsAndSemicolons) {
    const auto result =
        AssemblyPass::run(source({"' 2", "NOP ;one byte", "'IN,9,9", "SET,0,63 ; bit 63"}));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.listing, "   NOP = 01\r\n  SET,0,63 = D0-BF\r\n");
    // A ";" needs a blank before it: the character before it is cut.
    const auto glued = AssemblyPass::run(source({"END;x"}));
    EXPECT_FALSE(glued.ok);
    EXPECT_TRUE(glued.message.endsWith(">>> EN <<<")) << glued.message.toStdString();
    EXPECT_TRUE(AssemblyPass::run(source({"END ;x"})).ok);
    // A line that holds only a ";" comment is passed over.
    EXPECT_EQ(AssemblyPass::run(source({";just a note", "NOP"})).listing, "   NOP = 01\r\n");
}

TEST(AssemblyPass, OperandOneMustBeAPlainNumber) {
    for (const char* line : {"MOVD,5,1", "MOVD,&H5,1", "MOVD, 5 ,1", "MOVD,-5,1", "IN,0,1.5",
                             "IN,0,x", "MOVD,1,99999999999"})
        EXPECT_TRUE(AssemblyPass::run(source({line})).ok) << line;
    // Far beyond any field, operand 1 no longer reads back as written.
    for (const char* line : {"MOVD,05,1", "MOVD,+5,1", "MOVD,1.5,1", "MOVD,5 x,1", "MOVD,,1",
                             "GOTO,X", "CPD,2147483647,0", "PUSH,99999999999", "ORG,134217728"}) {
        const auto result = AssemblyPass::run(source({line}));
        EXPECT_FALSE(result.ok) << line;
        EXPECT_TRUE(result.trace.startsWith("ERROR ")) << line;
    }
    // Hexadecimal operands arrive as their values.
    EXPECT_EQ(AssemblyPass::run(source({"MOVD,&H1F,&H10"})).image.text(), "0000 = 1F - 10\r\n");
}

TEST(AssemblyPass, TheErrorReportNamesTheRungAndStopsThePass) {
    const auto result =
        AssemblyPass::run(source({"IN,0,1", "' 2", "NOP", "' 3", "BAD,1", "NOP", "' 4"}));
    ASSERT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Error in Line  3\r\n>>> BAD,1 <<<");
    EXPECT_EQ(result.goToRow, "3");
    // The first rung has no comment before it, and is row 1 all the same.
    const auto first = AssemblyPass::run(source({"BAD,1", "' 2", "NOP"}));
    EXPECT_EQ(first.message, "Error in Line  \r\n>>> BAD,1 <<<");
    EXPECT_EQ(first.goToRow, "1");
    // What came before the failing line stays, unpadded.
    EXPECT_EQ(result.image.text(), "0000 = C0 - 01\r\n0002 = 01");
    EXPECT_EQ(result.instructions, 2);
}

// What an editor's error line shows: the failing line of the source and why.
TEST(AssemblyPass, AnErrorNamesItsSourceLineAndWhy) {
    const struct {
        QStringList lines;
        int line;
        const char* reason;
    } cases[] = {
        {{"IN,0,1", "' 2", "", "NOP", "BADX,1"}, 8, "unknown mnemonic \"BADX\""},
        {{"MOVD,05,1"}, 4, "operand 1 \"05\" has a leading zero"},
        {{"NOP", "MOVD,+5,1"}, 5, "operand 1 \"+5\" has a sign"},
        {{"MOVD,1.5,1"}, 4, "operand 1 \"1.5\" is a fraction"},
        {{"MOVD,5 x,1"}, 4, "operand 1 \"5 x\" has a blank inside"},
        {{"MOVD,,1"}, 4, "operand 1 \"\" is empty"},
        {{"GOTO,X"}, 4, "operand 1 \"X\" is not a number"},
        {{"PUSH,99999999999"}, 4, "operand 1 \"99999999999\" is too large"},
        {{"ORG,5000"}, 4, "ORG,5000 lies outside the controller's memory"},
    };
    for (const auto& c : cases) {
        const auto result = AssemblyPass::run(source(c.lines));
        ASSERT_FALSE(result.ok) << c.reason;
        EXPECT_EQ(result.errorLine, c.line) << c.reason;
        EXPECT_EQ(result.reason, c.reason);
    }
    // A mnemonic of a megabyte is quoted at a readable length.
    const QString huge(1 << 20, u'B');
    const auto result = AssemblyPass::run(source({huge + ",1"}));
    EXPECT_EQ(result.reason, "unknown mnemonic \"" + Excerpt::of(huge) + "\"");
    EXPECT_LT(result.reason.size(), 300);
}

TEST(AssemblyPass, OrgCompletesAnOddWordAndMovesToItsBlock) {
    const auto result = AssemblyPass::run(source({"NOP", "ORG,3", "IN,0,1"}));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(records(result), (QStringList{"0000 = 01 - FF", "0230 = F0 - C0", "0232 = 01 - FF"}));
    EXPECT_EQ(result.origin, QString::number(0x230));
    const auto even = AssemblyPass::run(source({"IN,0,1", "ORG,1", "END"}));
    EXPECT_EQ(records(even), (QStringList{"0000 = C0 - 01", "0210 = F0 - FF"}));
    EXPECT_EQ(even.listing, "  IN,0,1 = C0-01\r\n   ORG,1 = F0\r\n   END = FF\r\n");
}

TEST(AssemblyPass, AProgramCannotRunPastTheTopOfMemory) {
    EXPECT_FALSE(AssemblyPass::run(source({"ORG,2016"})).ok);
    EXPECT_FALSE(AssemblyPass::run(source({"ORG,-33"})).ok);
    const auto top =
        AssemblyPass::run(source({"ORG,2015", QString("NOP\r\n" + I12).repeated(16) + "NOP"}));
    EXPECT_FALSE(top.ok);
    EXPECT_TRUE(top.message.contains("past address")) << top.message.toStdString();
}

TEST(AssemblyPass, ProgressCountsTwoByteInstructionsOutOf4096) {
    QList<int> seen;
    QStringList lines;
    for (int i = 0; i < 82; ++i)
        lines << "IN,0,1"
              << "NOP";
    AssemblyPass::run(source(lines), [&](int percent) { seen.append(percent); });
    ASSERT_EQ(seen.size(), 82);
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 163 * 100 / 4096);
}

} // namespace
