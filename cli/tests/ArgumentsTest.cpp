// SPDX-License-Identifier: GPL-3.0-or-later
// Every command's argument reading, in process: a usage error ends the
// command with status 2 and names what is wrong before anything is opened,
// read or sent.

#include "CommandTable.h"

#include <QTextStream>

#include <gtest/gtest.h>

namespace {

TEST(Arguments, EachCommandSaysWhatIsWrongWithItsArguments) {
    const struct {
        QStringList args; // the command, then its arguments
        const char* error;
    } cases[] = {
        {{"convert", "-C"}, "-C needs a value"},
        {{"convert", "--pages", "23", "a.MAP"}, "--pages takes a number from 1 to 22, not 23"},
        {{"convert", "a.MAP", "b.MAP"}, "one map file only, not also b.MAP"},
        {{"convert"}, "no map file given"},
        {{"print", "--page", "0", "a.MAP", "a.pdf"}, "--page takes a number from 1 to 22, not 0"},
        {{"print", "--page", "2", "--all", "a.MAP", "a.pdf"}, "--page or --all, not both"},
        {{"print", "a.MAP"}, "a map file and a PDF file are needed"},
        {{"export", "a.MAP", "a.svg", "--dpi"}, "--dpi needs a value"},
        {{"export", "a.MAP", "a.gif"}, "--format svg or png"},
        {{"show", "--json", "a.MAP"}, "unknown option --json"},
        {{"diff", "a.MAP"}, "2 map files are needed"},
        {{"check", "--strict"}, "one map file is needed"},
        {{"assemble", "--name"}, "--name needs a value"},
        {{"assemble", "a.plc", "b.plc"}, "one source only, not also b.plc"},
        {{"download", "--delay", "0", "-"}, "--delay needs milliseconds, not 0"},
        {{"download", "--baud", "fast", "-"}, "--baud needs a rate in bits per second, not fast"},
        {{"download", "--port"}, "--port needs a value"},
        {{"download"}, "no source given"},
        {{"run", "now"}, "unknown argument now"},
        {{"trace", "--count", "0"}, "--count needs a number above 0, not 0"},
        {{"trace", "--interval", "60001"}, "--interval needs 1 to 60000 ms"},
        {{"trace", "--slave", "170"}, "170"},
        {{"write-memory", "1A", "00"}, "3 field(s) wanted, 2 given"},
        {{"clock", "--time", "2026 13 01 01 00 00 00"}, "--time needs \"YYYY MM WD DD hh mm ss\""},
        {{"clock", "--delay"}, "--delay needs a value"},
        {{"table"}, "the table's NAME is missing"},
        {{"table", "SEG7", "SEG8"}, "unknown argument SEG8"},
        {{"hrim", "dw", "--wait", "-1"}, "--wait needs milliseconds, not -1"},
        {{"hrim"}, "dw or reset is missing"},
        {{"sim", "--hold", "5"}, "--hold needs --baud"},
        {{"sim", "--listen", "localhost:1"}, "--listen takes HOST:PORT with a numeric host"},
        {{"sim", "--pty", "p", "--listen", "127.0.0.1:0"}, "one of --pty and --listen"},
        {{"ports", "-C"}, "-C needs a value"},
        {{"plot", "rec.csv", "out.png", "--size"}, "--size needs a value"},
        {{"plot", "rec.csv", "out.gif"}, "the output file must end in .png or .svg"},
    };
    for (const auto& c : cases) {
        const QString name = c.args.first();
        const std::string shown = c.args.join(' ').toStdString();
        const CommandTable::Command* command = CommandTable::named(name);
        ASSERT_NE(command, nullptr) << shown;
        QString printed, complaints;
        QTextStream out(&printed), err(&complaints);
        EXPECT_EQ(command->run(c.args.mid(1), out, err), 2) << shown;
        err.flush();
        EXPECT_TRUE(complaints.startsWith("obelc " + name + ": ")) << shown;
        EXPECT_TRUE(complaints.section('\n', 0, 0).contains(QString::fromUtf8(c.error)))
            << shown << "\n"
            << complaints.toStdString();
        EXPECT_TRUE(printed.isEmpty()) << shown;
    }
}

} // namespace
