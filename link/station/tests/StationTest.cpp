// SPDX-License-Identifier: GPL-3.0-or-later
// The assembler window's state on the shipped folder, whose COM5 is the
// virtual controller: what the status line and the tools' answer lines say,
// and what a new command clears.

#include "Station.h"
#include "FakePrompter.h"
#include "ShippedFolder.h"
#include "ToolAnswer.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using Tool = Station::Tool;

class StationTest : public ::testing::Test {
protected:
    StationTest() {
        station.link().setDelayMs(50);
        station.load();
    }
    bool settled(Tool tool) {
        return QTest::qWaitFor([&] { return !station.answer(tool).waiting(); }, 5000);
    }
    ServiceTools::Result linkTest() {
        return station.useTool(Tool::Test, [](ServiceTools& t) {
            return t.linkTest({"12", "3F"});
        });
    }

    ShippedFolder shipped;
    ProgramFolder folder{shipped.path()};
    FakePrompter prompter;
    Station station{folder, prompter};
};

TEST_F(StationTest, EachToolSaysWhatWentOutAndWhatCameBack) {
    linkTest();
    ASSERT_TRUE(settled(Tool::Test));
    EXPECT_EQ(station.answer(Tool::Test).text(), "sent A8 12 3F; answer A8 12 3F");

    // The raw write awaits nothing, and the controller sends nothing.
    station.useTool(Tool::Memory, [](ServiceTools& t) { return t.writeMemory({"1A", "0", "FF"}); });
    ASSERT_TRUE(settled(Tool::Memory));
    EXPECT_TRUE(station.answer(Tool::Memory).text().endsWith("; no answer within 0.1 s"))
        << station.answer(Tool::Memory).text().toStdString();

    station.useTool(Tool::Memory, [](ServiceTools& t) { return t.writeMemory({"9", "0", "0"}); });
    EXPECT_TRUE(station.answer(Tool::Memory).text().startsWith("not sent: ADDR_H must be"));
    EXPECT_EQ(station.answer(Tool::Test).text(), "sent A8 12 3F; answer A8 12 3F")
        << "each panel keeps its own line";
}

TEST_F(StationTest, NothingGoesOutOverAClosedPortAndNothingSaysItDid) {
    station.port().setPortOpen(false);
    const QString closed = "COM5 \u2192 virtual controller: closed (off line)";
    EXPECT_TRUE(linkTest().refused());
    EXPECT_EQ(station.answer(Tool::Test).text(), "not sent: " + closed + "; nothing was sent.");

    station.command(Station::RunStop, {});
    EXPECT_EQ(station.runControl().caption(), "STOP");
    EXPECT_EQ(station.status(), "RUN: not sent, " + closed + "; the button still reads STOP");

    // With "WR" off every exchange counts as answered: only the closed line
    // tells that the program never left.
    station.setWithController(false);
    station.setMapName("LATCH.MAP");
    station.command(Station::Assm, "            IN,0,1\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !station.download().running(); }, 5000));
    EXPECT_EQ(station.status(), "LATCH: assembled, not sent (WR off; " + closed + ")");
}

TEST_F(StationTest, ANewCommandClearsTheFailureTheLastOneLeft) {
    station.port().setPortOpen(false);
    station.command(Station::Assm, "            IN,0,1\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !station.download().running(); }, 5000));
    EXPECT_EQ(station.message(), "RS-232 ERROR !!");
    EXPECT_EQ(station.status(), "RS-232 ERROR: no answer to the link check on COM5 \u2192 "
                                "virtual controller: closed (off line) after 3 attempts; "
                                "nothing assembled");

    station.port().setPortOpen(true);
    linkTest();
    EXPECT_EQ(station.message(), "");

    // A finished download's program map stays through later commands.
    station.setMapName("LATCH.MAP");
    station.command(Station::Assm, "            IN,0,1\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !station.download().running(); }, 5000));
    EXPECT_TRUE(
        station.status().startsWith("LATCH: 2 bytes written to COM5 \u2192 virtual controller in "))
        << station.status().toStdString();
    EXPECT_TRUE(station.status().endsWith(" s; start frame sent"));
    const QString map = station.message();
    EXPECT_TRUE(map.contains("[ Main PRG. ]"));
    station.command(Station::RunStop, {});
    EXPECT_EQ(station.status(), "RUN: start frame sent to COM5 \u2192 virtual controller");
    EXPECT_EQ(station.message(), map);
}

// From its halt frame on, a transfer's byte writes rely on what the halt
// left in the link's buffer: the run button in the middle sends nothing.
TEST_F(StationTest, ATransferHoldsTheLineAgainstTheRunButton) {
    QString during;
    QObject::connect(&station.download(), &ProgramDownload::phaseChanged, [&](auto phase) {
        if (phase != ProgramDownload::Phase::Transfer || !during.isEmpty()) return;
        station.command(Station::RunStop, {});
        during = station.status();
    });
    station.setMapName("LATCH.MAP");
    station.command(Station::Assm, "            IN,0,1\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !station.download().running(); }, 5000));
    EXPECT_EQ(during, "RUN: not sent, a transfer holds the line; the button still reads STOP");
    EXPECT_EQ(station.download().outcome(), ProgramDownload::Outcome::Done);
    EXPECT_EQ(station.runControl().caption(), "STOP");
}

} // namespace
