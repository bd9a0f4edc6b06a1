// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroBlocks.h"
#include "CodeImage.h"
#include "IntelHex.h"
#include "QStringPrinter.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Error = QString::fromUtf16(MacroBlocks::ErrorText);

// Intel HEX as srec_cat, a tool nobody here wrote, makes it from bytes
// placed at an address.
QByteArray srecCat(const QByteArray& bytes, int address,
                   const QStringList& options = {"-address-length=2"}) {
    QTemporaryDir dir;
    QFile in(dir.filePath("in.bin"));
    if (!in.open(QIODevice::WriteOnly)) return {};
    in.write(bytes);
    in.close();
    QProcess process;
    process.start("srec_cat", QStringList{in.fileName(), "-binary", "-offset",
                                          QString::number(address), "-o", "-", "-intel"} +
                                  options);
    process.waitForFinished();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

class MacroBlocksTest : public ::testing::Test {
protected:
    QString load(const QString& source, const QString& subFolder = {}) {
        return macros.load(source, subFolder, image);
    }
    TestFolder test;
    MacroBlocks macros{test.folder()};
    CodeImage image;
};

TEST_F(MacroBlocksTest, ABlockLinkedAt1000LandsAt200) {
    test.write("MACRO/0.HEX", ":04100000C0018002A9\r\n:00000001FF\r\n");
    EXPECT_EQ(load("            MACRO_N,0\r\n"), "");
    EXPECT_EQ(image.text(), "0200 = C0 - 01\r\n0202 = 80 - 02\r\n");
    EXPECT_EQ(macros.loaded(), "<0\r\n");
}

TEST_F(MacroBlocksTest, FilesWrittenBySrecCatLoadWithAnOddEndPadded) {
    test.write("MACRO/3.HEX", srecCat(QByteArray::fromHex("C0018002F0"), 0x1030));
    EXPECT_EQ(load("MACRO_N,3\r\n"), "");
    EXPECT_EQ(image.text(), "0230 = C0 - 01\r\n0232 = 80 - 02\r\n0234 = F0 - FF\r\n");
    // A longer block comes in several records, all of them taken.
    test.write("MACRO/SUB/7.HEX", srecCat(QByteArray(40, '\x01'), 0x1070));
    image.clear();
    EXPECT_EQ(load("MACRO_E,7\r\n", "sub"), "");
    EXPECT_EQ(CodeImage::records(image.text()).size(), 20);
    EXPECT_EQ(CodeImage::records(image.text()).back().address, 0x270 + 38);
}

TEST_F(MacroBlocksTest, EachMacroIsLoadedOnceUntilTheListIsEmptied) {
    test.write("MACRO/3.HEX", ":02103000FEFFC1\r\n:00000001FF\r\n");
    test.write("MACRO/30.HEX", ":02113000FDFFC1\r\n:00000001FF\r\n");
    EXPECT_EQ(load("MACRO_N,30\r\nMACRO_N,3\r\nMACRO_D,3\r\n"), "");
    EXPECT_EQ(image.text(), "0330 = FD - FF\r\n0230 = FE - FF\r\n");
    EXPECT_EQ(load("MACRO_N,3\r\n"), "");
    EXPECT_EQ(CodeImage::records(image.text()).size(), 2);
    macros.clearLoaded();
    EXPECT_EQ(load("MACRO_N,3\r\n"), "");
    EXPECT_EQ(CodeImage::records(image.text()).size(), 3);
}

TEST_F(MacroBlocksTest, AMissingMacroIsAnErrorAndNotTriedAgain) {
    EXPECT_EQ(load("MACRO_N,9\r\n"), Error + "\r\nMACRO/9.HEX is missing");
    EXPECT_EQ(macros.loaded(), "<9\r\n");
    EXPECT_EQ(load("MACRO_N,9\r\n"), "");
    test.write("MACRO/8.HEX", "");
    EXPECT_EQ(load("MACRO_N,8"), Error + "\r\nMACRO/8.HEX is empty");
    // A file of blank lines holds no code either.
    test.write("MACRO/7.HEX", "\r\n\r\n");
    EXPECT_EQ(load("MACRO_N,7"), Error + "\r\nMACRO/7.HEX: no code in it");
    // The source is read as written: lower case calls nothing.
    EXPECT_EQ(load("macro_n,1\r\n"), "");
}

TEST_F(MacroBlocksTest, DamagedFilesAreRefusedWithTheirFileAndLine) {
    const struct {
        QByteArray text;
        const char* report;
    } cases[] = {
        {":04100000C0018002A8\r\n", "MACRO/5.HEX line 1: checksum A8, expected A9"},
        {":03100000C0012C\r\n:00000001FF\r\n", "MACRO/5.HEX line 1: byte count 3 but 2 data bytes"},
        {srecCat("\x01\x02", 0x1050, {}), "MACRO/5.HEX line 1: record type 04 is not taken"},
        {"\r\n:02105000FEFFA1\r\n  garbage\r\n", "MACRO/5.HEX line 3: not a record"},
        {":02105000FEFGA1\r\n", "MACRO/5.HEX line 1: \"FG\" is not a hexadecimal byte"},
        {":020D0000FEFFF4\r\n", "MACRO/5.HEX line 1: address 0D00 lies below the macro area"},
    };
    for (const auto& c : cases) {
        test.write("MACRO/5.HEX", c.text);
        macros.clearLoaded();
        image.clear();
        const QString report = load("MACRO_N,5\r\n");
        EXPECT_TRUE(report.startsWith(Error + "\r\n" + c.report)) << report.toStdString();
        EXPECT_EQ(image.text(), "") << c.report;
    }
}

// The error line names the source line that calls the macro and what is
// wrong with its file.
TEST_F(MacroBlocksTest, AFailureNamesTheCallingLineAndTheFilesFault) {
    test.write("MACRO/8.HEX", "");
    test.write("MACRO/7.HEX", "\r\n\r\n");
    test.write("MACRO/5.HEX", ":04100000C0018002A8\r\n");
    QDir(test.path("MACRO")).mkpath("6.HEX"); // there, but no file to read
    const struct {
        const char* name;
        const char* failure;
    } cases[] = {
        {"9", "macro file MACRO/9.HEX is missing"},
        {"8", "macro file MACRO/8.HEX is empty"},
        {"7", "macro file MACRO/7.HEX holds no code"},
        {"6", "macro file MACRO/6.HEX cannot be read"},
        {"5", "macro file MACRO/5.HEX is damaged: line 1: checksum A8, expected A9"},
    };
    for (const auto& c : cases) {
        macros.clearLoaded();
        EXPECT_NE(load(QStringLiteral("NOP\r\n\r\nMACRO_N,%1\r\n").arg(c.name)), "");
        EXPECT_EQ(macros.failedLine(), 3) << c.failure;
        EXPECT_EQ(macros.failure(), c.failure);
    }
    EXPECT_EQ(load("MACRO_N,5\r\n"), "");
    EXPECT_EQ(macros.failure(), "");
}

TEST(IntelHex, StopsAtTheEndRecordOrTheFirstEmptyOne) {
    const auto hex = IntelHex::read(":02100000FEFFF1\r\n:00000000\x30\x30\r\n:02101000FEFFE1\r\n");
    EXPECT_EQ(hex.records.size(), 1);
    EXPECT_EQ(IntelHex::read(":00000001FF\r\nanything\r\n").records.size(), 0);
    EXPECT_EQ(IntelHex::read(":00000001FF\r\nanything\r\n").error, "");
}

} // namespace
