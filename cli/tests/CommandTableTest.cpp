// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include <QRegularExpression>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// What `obelc NAME --help` prints is the row's usage, and the overview
// names every row: a command added to the table is listed, documented and
// run, or this fails.
TEST(CommandTable, EveryCommandsHelpIsItsUsageAndTheOverviewListsIt) {
    const QString overview = CommandTable::usage();
    QStringList names;
    for (const CommandTable::Command& command : CommandTable::commands()) {
        const std::string name = command.name.toStdString();
        QString printed, complaints;
        QTextStream out(&printed), err(&complaints);
        EXPECT_EQ(command.run({QStringLiteral("--help")}, out, err), 0) << name;
        out.flush();
        EXPECT_EQ(printed, command.usage()) << name;
        EXPECT_TRUE(printed.startsWith("usage: obelc " + command.name + " ")) << name;
        EXPECT_FALSE(printed.contains(QRegularExpression("%\\d")))
            << name << ": a place holder left";
        EXPECT_TRUE(complaints.isEmpty()) << name;
        EXPECT_TRUE(overview.contains(QStringLiteral("\n  %1 ").arg(command.name, -13) +
                                      command.summary + "\n"))
            << name;
        EXPECT_EQ(CommandTable::named(command.name), &command) << name;
        names << command.name;
    }
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_EQ(CommandTable::named(u"draw"), nullptr);
    EXPECT_EQ(CommandTable::named(u""), nullptr);
}

} // namespace
