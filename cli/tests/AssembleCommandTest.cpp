// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObelcFixture.h"
#include "QStringPrinter.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

const QByteArray I12(12, ' ');

class AssembleCommandTest : public ObelcTest {
protected:
    // The sample converted as Obel's command button does, then assembled.
    Outcome convertThenAssemble(const QString& map, const QStringList& options) {
        const Outcome converted = convertSample(map);
        EXPECT_EQ(converted.status, 0) << converted.err.toStdString();
        return obelc(QStringList{"assemble", "-C", folder()} + options + QStringList{"-"},
                     converted.out.toUtf8());
    }
    // obelc with stdout and stderr on a terminal, a pty in raw mode so that
    // what arrives is what obelc wrote.
    static QByteArray onTerminal(const QStringList& args, const QByteArray& input) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return "no pty";
        termios raw{};
        tcgetattr(master, &raw);
        cfmakeraw(&raw);
        tcsetattr(master, TCSANOW, &raw);
        QProcess process;
        process.setStandardOutputFile(ptsname(master), QIODevice::Append);
        process.setStandardErrorFile(ptsname(master), QIODevice::Append);
        process.start(OBELC, args);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(30000);
        QByteArray shown;
        pollfd ready{master, POLLIN, 0};
        char buffer[4096];
        while (poll(&ready, 1, 200) > 0) {
            const ssize_t n = read(master, buffer, sizeof buffer);
            if (n <= 0) break;
            shown.append(buffer, n);
        }
        close(master);
        return shown;
    }
    void write(const QString& relative, const QByteArray& text) {
        QFile file(folder() + "/" + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_F(AssembleCommandTest, EverySampleMapConvertsAndAssembles) {
    const Outcome latch = convertThenAssemble("LATCH.MAP", {"--name", "LATCH.MAP"});
    ASSERT_EQ(latch.status, 0) << latch.err.toStdString();
    EXPECT_EQ(latch.out,
              "0000 = C0 - 00\r\n0002 = C9 - 00\r\n0004 = C8 - C1\r\n0006 = C1 - 80\r\n");
    EXPECT_EQ(latch.err, "");
    EXPECT_EQ(TextFile::read(folder() + "/PLC/LATCH.BIN").value(), latch.out + "\r\n");
    EXPECT_TRUE(TextFile::read(folder() + "/mac/LATCH.MAP").value().contains("  [ Main PRG. ]"));
    for (const char* map : {"COUNTER.MAP", "MOVE.MAP"}) {
        const Outcome run = convertThenAssemble(map, {"--listing"});
        EXPECT_EQ(run.status, 0) << map << run.err.toStdString();
        EXPECT_TRUE(run.out.endsWith("   END = FF\r\n")) << run.out.toStdString();
    }
    // Without a name no file is written.
    EXPECT_FALSE(QFile::exists(folder() + "/PLC/MOVE.BIN"));
}

TEST_F(AssembleCommandTest, AnErrorGoesToStderrWithStatusOne) {
    const Outcome run = obelc({"assemble", "-C", folder(), "-"}, "\r\n' 7\r\n" + I12 + "BAD,1\r\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "<stdin>:3: error: unknown mnemonic \"BAD\"\n"
                       "Error in Line  7\r\n>>> BAD,1 <<<\n");
    write("bad.plc", "\r\n" + I12 + "NOP\r\n" + I12 + "MOVD,05,1\r\n");
    EXPECT_TRUE(
        obelc({"assemble", "-C", folder(), folder() + "/bad.plc"})
            .err.startsWith(folder() + "/bad.plc:3: error: operand 1 \"05\" has a leading zero\n"));
}

// A terminal gets LF line ends, a line end after the last line and no byte
// it would act on: an escape in the source is shown, not sent.
TEST_F(AssembleCommandTest, OnATerminalLinesEndInLfAndControlsAreShown) {
    EXPECT_EQ(onTerminal({"assemble", "-C", folder(), "-"}, "\r\n" + I12 + "END\r\n"),
              "0000 = FF - FF\n");
    EXPECT_EQ(
        onTerminal({"assemble", "-C", folder(), "-"}, "\r\n' 7\r\n" + I12 + "B\x1b[2JD,1\r\n"),
        "<stdin>:3: error: unknown mnemonic \"B\\x1B[2JD\"\n"
        "Error in Line  7\n>>> B\\x1B[2JD,1 <<<\n");
}

TEST_F(AssembleCommandTest, AnEndlessSourceIsRefusedAndALongFailingLineIsCut) {
    const Outcome zero = obelc({"assemble", "-C", folder(), "/dev/zero"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.err, "obelc: /dev/zero is larger than 16 MiB, more than any program can be; "
                        "not assembled\n")
        << zero.err.toStdString();
    const Outcome cut = obelc({"assemble", "-C", folder(), "-"},
                              "\r\n" + I12 + "BAD," + QByteArray(1000000, '9') + "\r\n");
    EXPECT_EQ(cut.status, 1);
    const QString excerpt = QString(160, u'9') + " ... (1000000 characters in all)";
    EXPECT_EQ(cut.err, "<stdin>:2: error: operand 1 \"" + excerpt + "\" is too large\n" +
                           "Error in Line  \r\n>>> BAD," + QString(156, u'9') +
                           " ... (1000004 characters in all) <<<\n")
        << cut.err.left(400).toStdString();
}

TEST_F(AssembleCommandTest, MacrosAndTheProgramMap) {
    QDir(folder()).mkpath("MACRO");
    write("MACRO/2.HEX", ":02102000FEFFD1\r\n:00000001FF\r\n");
    write("source.plc", "\n" + I12 + "MACRO_N,2\n" + I12 + "END\n");
    const QStringList args{"assemble", "-C", folder(), "--map", folder() + "/source.plc"};
    const Outcome without = obelc(args);
    EXPECT_TRUE(without.out.endsWith("0000 -- 0002 = 0002  [ Main PRG. ]\r\n"))
        << without.out.toStdString();
    const Outcome with = obelc(args + QStringList{"--macros"});
    ASSERT_EQ(with.status, 0) << with.err.toStdString();
    EXPECT_TRUE(with.out.startsWith("0000 = 80 - 82\r\n0002 = FF - FF\r\n0220 = FE - FF\r\n"));
    EXPECT_TRUE(with.out.endsWith("0220 -- 0220 = 0000  [ Macro&H 2 ]\r\n"))
        << with.out.toStdString();
    write("MACRO/2.HEX", ":02102000FEFFD2\r\n");
    const Outcome damaged = obelc(args + QStringList{"--macros"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.err, folder() + "/source.plc:2: error: macro file MACRO/2.HEX is damaged: "
                                      "line 1: checksum D2, expected D1\n"
                                      "------ MACRO ERROR !! -------\r\n"
                                      "MACRO/2.HEX line 1: checksum D2, expected D1\n");
}

TEST_F(AssembleCommandTest, MalformedReplacementsAreNamedAndTheRestApplies) {
    write("def/Replace.def", "NOOP\r\nNOOP [NOP]\r\n");
    const Outcome run = obelc({"assemble", "-C", folder(), "-"}, "\r\n" + I12 + "noop\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0000 = 01 - FF\r\n");
    EXPECT_TRUE(run.err.contains("line 1: NOOP")) << run.err.toStdString();
}

TEST_F(AssembleCommandTest, BadUsage) {
    for (const QStringList& bad :
         {QStringList{"assemble"}, QStringList{"assemble", "--name"},
          QStringList{"assemble", "--fast", "-"}, QStringList{"assemble", "a", "b"}}) {
        const Outcome run = obelc(bad);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("usage: obelc assemble")) << bad.join(' ').toStdString();
    }
    EXPECT_EQ(obelc({"assemble", "-C", folder(), folder() + "/none.plc"}).status, 1);
}

} // namespace
