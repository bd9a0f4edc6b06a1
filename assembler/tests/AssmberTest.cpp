// SPDX-License-Identifier: GPL-3.0-or-later
#include "Assmber.h"
#include "ProgramMap.h"
#include "QStringPrinter.h"
#include "SourceFile.h"
#include "TestFolder.h"
#include "TextFile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString I12(12, u' ');

QString source(const QStringList& lines) {
    QString text = QStringLiteral("\r\n\r\n\r\n");
    for (const QString& line : lines)
        text += I12 + line + QStringLiteral("\r\n");
    return text;
}

class AssmberTest : public ::testing::Test {
protected:
    AssmberTest() { test.write("MACRO/3.HEX", ":02103000FEFFC1\r\n:00000001FF\r\n"); }
    TestFolder test;
    Assmber assmber{test.folder()};
};

TEST(ProgramMap, RunsOfTheMainProgramAndItsBlocks) {
    EXPECT_EQ(ProgramMap::runs(
                  "0000 = C0 - 01\r\n0002 = 01 - FF\r\n0004 = FF - C0\r\n0210 = F0 - FF\r\n"),
              "0000 -- 0004 = 0004  [ Main PRG. ]\r\n0210 -- 0210 = 0000  [ Macro&H 1 ]\r\n");
    // Macro code follows the main program whatever its address; a block
    // below the main program's end still starts a run of its own.
    EXPECT_EQ(ProgramMap::runs(
                  "0000 = 01 - FF\r\n0230 = FE - FF\r\n0232 = FE - FF\r\n0002 = 01 - FF\r\n"),
              "0000 -- 0000 = 0000  [ Main PRG. ]\r\n0230 -- 0232 = 0002  [ Macro&H 3 ]\r\n"
              "0002 -- 0002 = 0000  [ Macro&H-31.875 ]\r\n");
    EXPECT_EQ(ProgramMap::text(""), "\r\n    ---------- PG map --------\r\n");
}

TEST_F(AssmberTest, WithoutAControllerNoMacroIsLoaded) {
    ASSERT_TRUE(assmber.runWithoutController(source({"MACRO_N,3", "END"})));
    EXPECT_TRUE(assmber.work().endsWith("END\r\n\r\n       PEND"));
    EXPECT_EQ(assmber.code(), "0000 = 80 - 83\r\n0002 = FF - FF\r\n");
    EXPECT_EQ(assmber.loadedMacros(), "");
}

// PB1 is scaled for 4,096 instructions; a short program's pass would end at 0 %.
TEST_F(AssmberTest, PB1ReadsFullOnlyAfterAPassThatFinished) {
    QList<int> progress;
    assmber.setProgress([&](int percent) { progress << percent; });
    ASSERT_TRUE(assmber.assemble(source({"IN,0,1", "END"})));
    EXPECT_EQ(progress.last(), 100);
    progress.clear();
    ASSERT_FALSE(assmber.assemble(source({"IN,0,1", "NOSUCH"})));
    EXPECT_FALSE(progress.contains(100));
}

TEST_F(AssmberTest, MacrosLoadOnceAcrossAssembliesUntilTheListIsCleared) {
    assmber.setWithController(true);
    const QString program = source({"MACRO_N,3", "MACRO_D,3"});
    ASSERT_TRUE(assmber.runWithoutController(program));
    EXPECT_EQ(assmber.code(), "0000 = 80 - 83\r\n0002 = 90 - 83\r\n0230 = FE - FF\r\n");
    EXPECT_TRUE(assmber.programMap().endsWith("0000 -- 0002 = 0002  [ Main PRG. ]\r\n"
                                              "0230 -- 0230 = 0000  [ Macro&H 3 ]\r\n"));
    ASSERT_TRUE(assmber.runWithoutController(program));
    EXPECT_EQ(assmber.code(), "0000 = 80 - 83\r\n0002 = 90 - 83\r\n");
    assmber.setClearMacroList(true);
    ASSERT_TRUE(assmber.runWithoutController(program));
    EXPECT_TRUE(assmber.code().endsWith("0230 = FE - FF\r\n"));
}

TEST_F(AssmberTest, TypingAMacroFolderSwitchesMacroLoadingOn) {
    test.write("MACRO/V2/3.HEX", ":02103000FDFFC2\r\n:00000001FF\r\n");
    assmber.setMacroFolder("V2");
    EXPECT_TRUE(assmber.withController());
    ASSERT_TRUE(assmber.runWithoutController(source({"MACRO_N,3"})));
    EXPECT_TRUE(assmber.code().endsWith("0230 = FD - FF\r\n"));
}

TEST_F(AssmberTest, AMacroErrorEndsTheAssemblyBeforeAnyFile) {
    assmber.setWithController(true);
    assmber.setMapName("PUMP.MAP");
    EXPECT_FALSE(assmber.runWithoutController(source({"MACRO_N,4"})));
    EXPECT_EQ(assmber.message(), "------ MACRO ERROR !! -------\r\nMACRO/4.HEX is missing");
    EXPECT_FALSE(QFile::exists(test.path("PLC/PUMP.BIN")));
    EXPECT_FALSE(QFile::exists(test.path("mac/PUMP.MAP")));
}

TEST_F(AssmberTest, TheImageFileAndTheProgramMapFileAreNamedAfterTheMap) {
    QDir(test.path("")).mkpath("PLC");
    assmber.setMapName("PUMP.MAP");
    ASSERT_TRUE(assmber.runWithoutController(source({"IN,0,1", "OUT,1,0", "NOP", "ORG,1", "END"})));
    EXPECT_EQ(TextFile::read(test.path("PLC/PUMP.BIN")).value(), assmber.code() + "\r\n");
    const QString map = TextFile::read(test.path("mac/PUMP.MAP")).value();
    EXPECT_EQ(map, assmber.programMap() + "\r\n");
    EXPECT_TRUE(map.endsWith(
        "0000 -- 0004 = 0004  [ Main PRG. ]\r\n0210 -- 0210 = 0000  [ Macro&H 1 ]\r\n\r\n"));
    EXPECT_EQ(assmber.origin(), "528");
    EXPECT_TRUE(assmber.fileErrors().isEmpty());

    EXPECT_EQ(Assmber::imageFileName("PUMP"), "");
    EXPECT_EQ(Assmber::imageFileName("pump.v2.map"), "pump.BIN");
}

TEST_F(AssmberTest, AFileThatCannotBeWrittenIsNamed) {
    test.write("mac/PUMP.MAP/blocker", "");
    assmber.setMapName("PUMP.MAP");
    ASSERT_TRUE(assmber.runWithoutController(source({"END"})));
    ASSERT_EQ(assmber.fileErrors().size(), 1);
    EXPECT_TRUE(assmber.fileErrors()[0].contains("PUMP.MAP"));
}

TEST_F(AssmberTest, SourceFilesComeFromPlcWithCrLfLines) {
    test.write("PLC/pump.plc", "\n" + I12.toUtf8() + "NOP\n" + I12.toUtf8() + "END");
    const auto source = SourceFile::load(test.folder(), "PUMP.PLC");
    ASSERT_TRUE(source);
    EXPECT_EQ(*source, "\r\n" + I12 + "NOP\r\n" + I12 + "END\r\n");
    ASSERT_TRUE(assmber.runWithoutController(*source));
    EXPECT_EQ(assmber.code(), "0000 = 01 - FF\r\n");
    QString error;
    EXPECT_FALSE(SourceFile::load(test.folder(), "none.plc", &error));
    EXPECT_EQ(error, "none.plc cannot be read from the plc folder");
    EXPECT_FALSE(SourceFile::load(test.folder(), ""));
}

TEST_F(AssmberTest, ASourceLargerThanAnyProgramIsRefused) {
    // Files: one line end a byte turns into CR LF, past the bound.
    test.write("PLC/ends.plc", QByteArray(SourceFile::MaxSize / 2 + 1, '\n'));
    QString error;
    EXPECT_FALSE(SourceFile::load(test.folder(), "ENDS.PLC", &error));
    EXPECT_EQ(error, "ENDS.PLC is larger than 16 MiB, more than any program can be; not assembled");
    // The box.
    EXPECT_FALSE(assmber.assemble(QString(SourceFile::MaxSize + 1, u' ')));
    EXPECT_TRUE(assmber.message().startsWith("The source is larger than 16 MiB"));
    EXPECT_EQ(assmber.code(), "");
    EXPECT_TRUE(assmber.assemble(QString(SourceFile::MaxSize - 32, u' ') + source({"NOP"})));
}

TEST_F(AssmberTest, ShippedReplacementsMakeTheConversionsWordsInstructions) {
    TestFolder shipped;
    ProgramFolder::locate({}, shipped.path("obel"), {qEnvironmentVariable("OBEL_TEST_PROGRAM_DIR")},
                          nullptr);
    const ProgramFolder folder(shipped.path("obel"));
    Assmber fromShipped(folder);
    ASSERT_TRUE(fromShipped.assemble(source({"MEMO1,3", "SYS,5", "XW,2,1", "CHG_XW"})))
        << fromShipped.message().toStdString();
    EXPECT_EQ(fromShipped.listing(),
              "  OUT,1,3 = C1-83\r\n  CALL,5 = A0-85\r\n  MOVM,2,1 = 82-01\r\n"
              "   CHG_XW = FA\r\n");
}

} // namespace
