// SPDX-License-Identifier: GPL-3.0-or-later
// The tracer window from the map editor's "TRACER" button, polling the
// virtual controller beyond a socat pty through the assembler window's port.

#include "Form4.h"
#include "Frames.h"
#include "Road.h"
#include "Tracer.h"

#include <QLineEdit>

namespace {

class TracerWindow : public Road {
protected:
    void SetUp() override {
        Road::SetUp();
        // Registers 16 and 17 hold words the cells will show.
        for (const auto& [reg, value] : {std::pair{16, 0x0102}, std::pair{17, 0x5A34}}) {
            ShortBytes frame;
            Frames::registerWrite(frame, ControllerFacts::DefaultSlave, quint8(reg),
                                  quint16(value));
            controller.receive(QByteArray(reinterpret_cast<const char*>(frame.data()), 8));
        }
        QTest::mousePress(windows.mapWindow().findChild<QPushButton*>("Command1(1)"),
                          Qt::LeftButton);
        ASSERT_TRUE(windows.tracerWindow().isVisible());
        button("Command1(0)")->click();
    }
    QPushButton* button(const QString& name) {
        return windows.tracerWindow().findChild<QPushButton*>(name);
    }
    QLineEdit* cell(int i) {
        return windows.tracerWindow().findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(i));
    }
    bool shows(int i, const QString& text) {
        return QTest::qWaitFor([&] { return cell(i)->text() == text; }, 5000);
    }
};

TEST_F(TracerWindow, ShowsTheMemoryAndWritesAnEditedCellBack) {
    EXPECT_EQ(button("Command1(0)")->text(), "TR");
    EXPECT_TRUE(shows(1, "02"));
    EXPECT_TRUE(shows(2, "5A")) << "a register byte 0x5A is memory, not an acknowledgement";

    // Selecting a cell pauses tracing; Enter queues it, the next tick writes it.
    cell(33)->setFocus();
    EXPECT_EQ(button("Command1(0)")->text(), "STOP");
    cell(33)->selectAll();
    QTest::keyClicks(cell(33), "7E");
    QTest::keyClick(cell(33), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.holding(32) == 0x007E; }, 5000));
    EXPECT_EQ(button("Command1(0)")->text(), "TR");
    EXPECT_TRUE(shows(33, "7E"));
}

TEST_F(TracerWindow, BitButtonsAndRunStopChangeTheControllerAndACommandStopsTracing) {
    ASSERT_TRUE(shows(1, "02"));
    button("Command3(0)")->click(); // bit 0 of cell 1: the low byte of register 16
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.holding(16) == 0x0103; }, 5000));

    button("Command2")->click(); // sets bit 5 of cell 15: the controller runs
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.running(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button("Command2")->text() == "RUN"; }, 5000));
    button("Command2")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !controller.running(); }, 5000));

    windows.assemblerWindow().findChild<QPushButton*>("Command1(3)")->click(); // "Print"
    EXPECT_EQ(button("Command1(0)")->text(), "STOP");
    EXPECT_FALSE(windows.station().Timer1().isActive());
}

TEST_F(TracerWindow, ClosingTheWindowStopsThePolls) {
    ASSERT_TRUE(shows(1, "02"));
    windows.tracerWindow().close();
    EXPECT_EQ(button("Command1(0)")->text(), "STOP");
    // The read under way is judged on the next tick; none follows it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.tracer().counters().pending() == 0; }, 5000));
    const int polls = windows.tracer().counters().polls;
    QTest::qWait(300);
    EXPECT_EQ(windows.tracer().counters().polls, polls);
}

} // namespace
