// SPDX-License-Identifier: GPL-3.0-or-later
// The assembler window's service panels on the road's pty, with the
// virtual controller beyond it showing what each frame did.

#include "ClockText.h"
#include "Frames.h"
#include "Road.h"
#include "Tracer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

class ServicePanels : public Road {
protected:
    void SetUp() override {
        Road::SetUp();
        form3 = &windows.assemblerWindow();
    }
    QLineEdit* field(const QString& name) { return form3->findChild<QLineEdit*>(name); }
    QString answer(Station::Tool tool) {
        return form3->findChild<QLabel*>(QString("ToolAnswer(%1)").arg(int(tool)))->text();
    }
    void fill(const QString& name, const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i)
            field(QString("%1(%2)").arg(name).arg(i))->setText(texts[i]);
    }
    void click(const QString& name) { form3->findChild<QPushButton*>(name)->click(); }
    // Every frame sent before has been taken once one sent after it has: a
    // read for another slave, which the controller passes over unanswered.
    void settle() {
        windows.station().link().send([](ShortBytes& f) { Frames::registerRead(f, 1, 0x10); });
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !line.isEmpty() && line.last() == "for slave 1, ignored"; }, 5000));
        line.removeLast();
    }

    Form3* form3 = nullptr;
};

TEST_F(ServicePanels, MemoryWriteClockAndTableReachTheController) {
    fill("Text6", {"1A", "00", "FF"});
    click("Command2");
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.memory(0x1A00) == 0xFF; }, 5000));
    EXPECT_TRUE(answer(Station::Tool::Memory).startsWith("sent A5 10 00 FF "));

    windows.tracer().toggleTracing();
    const QString now = windows.editor().view().clock();
    click("Command7");
    EXPECT_TRUE(QTest::qWaitFor([&] { return line.join('\n').contains("set the clock"); }, 5000));
    EXPECT_EQ(ClockText::of(controller.clock().time()), now);
    EXPECT_EQ(windows.tracer().switchCaption(), "STOP");
    EXPECT_TRUE(field("Text21")->text().startsWith(" 173 16 0 80 0 4 8 "));

    // Neither the answer to the tracer's last poll nor the clock's, which
    // the controller sends in that order, may come to acknowledge the
    // table's first byte.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return windows.station().link().received().startsWith(QByteArray::fromHex("AD100050"));
        },
        5000));
    field("Text11")->setText("SEG7");
    click("Command4");
    const TableWrite& table = windows.station().tableWrite();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table.running(); }, 20000));
    EXPECT_EQ(table.outcome(), TableWrite::Outcome::Done);
    const quint8 seg7[] = {63, 6, 91, 79, 102, 109, 125, 7, 127, 111};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(controller.memory(quint16(0x0F00 + k)), seg7[k]) << k;
    const QString listing = form3->findChild<QPlainTextEdit*>("Text9")->toPlainText();
    EXPECT_TRUE(listing.startsWith("offset=5\n 0 - 63\n 1 - 6\n")) << listing.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.running(); }, 5000));
    EXPECT_EQ(line.mid(line.indexOf("halt")).size(), 1 + 10 + 1);
    EXPECT_EQ(answer(Station::Tool::Table), "10 items written to 0F00\u20130F09; start frame sent");

    // A free frame that is a Modbus write of register 0x20; of "345" only "34" counts.
    fill("Text13", {"AD", "10", "00", "20", "00", "01", "02", "12", "345"});
    click("Command6");
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.holding(0x20) == 0x1234; }, 5000));
}

TEST_F(ServicePanels, CancelSendsOnlyTheStartFrameAndRefusalsSendNothing) {
    field("Text11")->setText("SEG7");
    prompter.answer = false;
    click("Command4");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !line.isEmpty(); }, 5000));
    settle();
    EXPECT_EQ(line, QStringList{"start"});
    EXPECT_EQ(prompter.questions, QStringList{"Write TAB OK ?"});

    prompter.answer = true;
    TextFile::write(shipped.path("TAB/BAD.tab"), "offset=5\r\n1,2,300\r\n");
    field("Text11")->setText("BAD");
    click("Command4");
    fill("Text6", {"9", "0", "0"});
    click("Command2");
    settle();
    EXPECT_EQ(line.size(), 1) << line.join('\n').toStdString();
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages[0].startsWith("BAD.tab, line 2: item 2 must be a whole number"));
    EXPECT_TRUE(
        prompter.messages[1].startsWith("ADDR_H must be a hexadecimal number from A to 109"));
    EXPECT_EQ(prompter.questions.size(), 1) << "a faulty table is not offered for writing";
}

} // namespace
