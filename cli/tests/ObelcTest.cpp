// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObelcFixture.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString I12(12, u' ');

TEST_F(ObelcTest, TheLatchSample) {
    const Outcome run = convertSample("LATCH.MAP");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString expected =
        text({I12 + "IN,0,0", I12 + "OR,1,0", I12 + "/AND,0,1", I12 + " OUT,1,0", "' 3"}, 2);
    EXPECT_EQ(run.out.split("\r\n"), expected.split("\r\n"));
    EXPECT_EQ(TextFile::read(folder() + "/PLC/LATCH.hrim").value(), expected + "\r\n");
}

// Lines of a converted map that ends in an END element.
QStringList endingInEnd(const QStringList& rungs) {
    return QStringList{"", "", ""} + rungs + QStringList{I12 + QString(10, u' ') + "END", ""};
}

TEST_F(ObelcTest, TheCounterAndTimerSample) {
    const Outcome run = convertSample("COUNTER.MAP");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.split("\r\n"),
              endingInEnd({I12 + "IN,0,3", I12 + " INC,7", "' 2", I12 + "IN,0,4",
                           I12 + " MOVD,5" + I12 + ",100", I12, "' 3"}));
}

TEST_F(ObelcTest, TheTwoOperandSample) {
    const Outcome run = convertSample("MOVE.MAP");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.split("\r\n"),
              endingInEnd({I12 + "IN,2,0", I12 + " MGR,3" + I12 + ",12", I12, "' 2",
                           I12 + "/IN,2,1", I12 + " CPD,4" + I12 + ",200", I12, "' 3"}));
    EXPECT_TRUE(QFile::exists(folder() + "/PLC/MOVE.hrim"));
}

TEST_F(ObelcTest, HelpAndBadUsage) {
    const Outcome help = obelc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("convert"));
    const Outcome convertHelp = obelc({"convert", "--help"});
    EXPECT_EQ(convertHelp.status, 0);
    EXPECT_TRUE(convertHelp.out.contains("--pages"));
    for (const QStringList& bad :
         {QStringList{}, QStringList{"draw"}, QStringList{"convert", "--fast", "x"},
          QStringList{"convert", "--pages", "23", "x"}, QStringList{"convert"}}) {
        const Outcome run = obelc(bad);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("usage:")) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// A request to a command byte's address would be read by the line as that
// command: the commands that play the controller and those that address it
// take the same addresses.
TEST_F(ObelcTest, TheCommandsThatNameASlaveTakeTheSameAddresses) {
    for (const QString command : {"sim", "trace", "clock"}) {
        for (const QString slave : {"0", "165", "168", "170", "248", "x"}) {
            const Outcome run = obelc({command, "--slave", slave});
            EXPECT_EQ(run.status, 2) << command.toStdString() << " " << slave.toStdString();
            EXPECT_TRUE(
                run.err.contains("--slave takes 1 to 247 but not 165-168 or 170, not " + slave))
                << run.err.toStdString();
        }
        EXPECT_TRUE(obelc({command, "--help"}).out.contains("(default 173)"))
            << command.toStdString();
    }
}

// Arguments that name nothing, or a file outside the program folder, are
// refused before a line is opened; "sim" would have taken the download.
TEST_F(ObelcTest, EmptyArgumentsAndMapNamesWithFoldersAreRefused) {
    const struct {
        QStringList args;
        const char* says;
    } refused[] = {
        {{"download", "--port", "", "-"}, "an empty argument after --port is no value"},
        {{"trace", "-C", "", "--count", "1"}, "an empty argument after -C"},
        {{"print", "--page", "1", "x.MAP", ""}, "an empty argument after x.MAP"},
        {{"download", "--port", "sim", "--name", "../../outside.MAP", "-"},
         "not a plain file name"},
        {{"assemble", "--name", "sub/X.MAP", "-"}, "not a plain file name"},
        {{"download", "--port", "sim", "--name", ".MAP", "-"}, "would make hidden files"},
        {{"assemble", "--name", QString(300, 'N') + ".MAP", "-"}, "longer than a file name"},
    };
    for (const auto& r : refused) {
        const Outcome o = obelc(r.args, "            END\r\n");
        EXPECT_EQ(o.status, 2) << r.args.join(' ').toStdString();
        EXPECT_TRUE(o.err.contains(r.says)) << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty()) << o.out.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("outside.MAP")));
}

TEST_F(ObelcTest, MissingDefinitionFilesAreNamed) {
    ASSERT_TRUE(QFile::remove(folder() + "/def/ps.def"));
    // A folder where a template should be: there, but not readable.
    ASSERT_TRUE(QFile::remove(folder() + "/def/map1.def"));
    ASSERT_TRUE(QDir(folder()).mkdir("def/map1.def"));
    const Outcome run = convertSample("LATCH.MAP");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "obelc: warning: def/ps.def is missing or cannot be read; the text may be wrong\n"
              "obelc: warning: def/map1.def is missing or cannot be read; the text may be wrong\n");
}

TEST_F(ObelcTest, MissingFilesSayWhichAndFail) {
    const Outcome noMap = obelc({"convert", "-C", folder(), folder() + "/PLC/NONE.MAP"});
    EXPECT_EQ(noMap.status, 1);
    EXPECT_TRUE(noMap.err.contains("NONE.MAP"));
    EXPECT_EQ(noMap.err.count('\n'), 1);
    const Outcome noFolder = obelc({"convert", "-C", dir.filePath("nowhere"), "x.MAP"});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_TRUE(noFolder.err.contains("nowhere"));
}

// Lines that are not map lines are counted and the first ones named; a file
// of nothing else is no map and nothing is written; an empty file is an
// empty map.
TEST_F(ObelcTest, ConvertCountsTheLinesThatAreNotMapLines) {
    const QString map = folder() + "/PLC/ODD.MAP", hrim = folder() + "/PLC/ODD.hrim";
    const auto convert = [&](const QByteArray& content) {
        QFile file(map);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QFile::remove(hrim);
        return obelc({"convert", "-C", folder(), "--pages", "1", map});
    };
    QFile latch(folder() + "/PLC/LATCH.MAP");
    ASSERT_TRUE(latch.open(QIODevice::ReadOnly));
    const QByteArray cells = latch.readAll(); // 15 lines
    const Outcome mixed =
        convert(cells + "junk\r\n\r\nA=x\r\n(1-2)\r\n" + QByteArray("(0-5) A=\r\n").repeated(3));
    EXPECT_EQ(mixed.status, 0);
    EXPECT_EQ(mixed.err, "obelc: " + map +
                             ": skipped 6 lines that are not map lines "
                             "(lines 16, 18, 19, 20, 21, ...)\n");
    EXPECT_TRUE(QFile::exists(hrim));
    const Outcome none = convert("junk\r\n");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "obelc: " + map +
                            " is not a map, nothing written: "
                            "1 line that is not a map line (line 1)\n");
    EXPECT_FALSE(QFile::exists(hrim));
    const Outcome empty = convert("");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.err, "");
    EXPECT_TRUE(empty.out.startsWith("\r\n\r\n\r\n\r\n' 2\r\n")) << empty.out.toStdString();
    EXPECT_TRUE(QFile::exists(hrim));
}

} // namespace

namespace {

TEST_F(ObelcTest, PortsShowTheMappingAsLinesForTheFile) {
    ASSERT_TRUE(TextFile::write(folder() + "/def/comports.def",
                                "# a comment\r\nCOM2=tcp:localhost:4001\r\n"));
    const Outcome run = obelc({"ports", "-C", folder()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(
        "COM1=/dev/ttyUSB0\nCOM2=tcp:localhost:4001\nCOM3=/dev/ttyUSB2\n"
        "COM4=/dev/ttyUSB3\nCOM5=/dev/ttyUSB4\n\n# Serial ports of this machine:"))
        << run.out.toStdString();
    // Each serial port the machine has comes with its driver and low latency.
    for (const QString& line : run.out.split('\n'))
        EXPECT_TRUE(!line.startsWith("#   ") ||
                    (line.contains(": driver ") && line.contains("low latency")))
            << line.toStdString();
    EXPECT_EQ(obelc({"ports", "--all"}).status, 2);
}

} // namespace
