// SPDX-License-Identifier: GPL-3.0-or-later
// The whole road with real parts: a shipped map converted by the map
// editor's command button 1, "Assm" in the assembler window, the real port
// settings opening a socat pty, and the virtual controller on its other end.

#include "Road.h"
#include "CodeImage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

TEST_F(Road, AShippedMapRunsInTheControllerWithExactlyTheBytesOfItsImageFile) {
    ASSERT_EQ(convertAndAssemble("LATCH.MAP"), ProgramDownload::Outcome::Done)
        << windows.station().message().toStdString();
    Form3& form3 = windows.assemblerWindow();
    EXPECT_TRUE(form3.isVisible());
    EXPECT_TRUE(form3.findChild<QPlainTextEdit*>("Text4")->toPlainText().contains("OUT,1,0"));

    const auto image = TextFile::read(folder.path("plc\\LATCH.BIN"));
    ASSERT_TRUE(image.has_value());
    const QList<CodeImage::Record> records = CodeImage::records(*image);
    ASSERT_FALSE(records.isEmpty());
    for (const CodeImage::Record& r : records) {
        EXPECT_EQ(controller.memory(quint16(r.address)), r.even) << r.address;
        EXPECT_EQ(controller.memory(quint16(r.address + 1)), r.odd) << r.address;
    }
    // The start frame needs no answer: the road ends as it goes out.
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.running(); }, 5000));

    // Probe, halt, one acknowledged write per image byte, start.
    ASSERT_EQ(line.size(), 3 + 2 * records.size()) << line.join('\n').toStdString();
    EXPECT_TRUE(line.first().startsWith("read 1 register(s) from 1"));
    EXPECT_EQ(line[1], "halt");
    for (int i = 2; i < line.size() - 1; ++i)
        EXPECT_TRUE(line[i].startsWith("write ")) << line[i].toStdString();
    EXPECT_EQ(line.last(), "start");
    EXPECT_TRUE(windows.station().message().contains("[ Main PRG. ]"));
    // The road ends in a word, and no bar reads 0 % after it.
    const QString status = form3.findChild<QLabel*>("CommandStatus")->text();
    EXPECT_TRUE(status.startsWith(
        QString("LATCH: %1 bytes written to COM1 \u2192 ").arg(2 * records.size())))
        << status.toStdString();
    EXPECT_EQ(form3.findChild<QWidget*>("PB1")->property("Value").toInt(), 100);
}

TEST_F(Road, AnAssemblyErrorTakesTheMapEditorToTheFailingRow) {
    // The second rung's box becomes a word that is no instruction.
    TextFile::write(shipped.path("def/Replace.def"), "MOVD,[NOT_AN_INSTRUCTION,]\r\n");
    EXPECT_EQ(convertAndAssemble("COUNTER.MAP"), ProgramDownload::Outcome::AssemblyError);
    EXPECT_TRUE(windows.station().message().startsWith("Error in Line "));
    EXPECT_EQ(windows.mapWindow().findChild<QLineEdit*>("Text13")->text(),
              windows.station().assmber().goToRow());
    EXPECT_EQ(windows.station().assmber().goToRow(), "2");
    EXPECT_FALSE(line.contains("halt")) << "nothing may be sent after a failed pass";
}

TEST_F(Road, TheMapEditorsLinkOptionsOpenAndCloseThePort) {
    windows.mapWindow().findChild<QRadioButton*>("OnLine")->click();
    EXPECT_TRUE(windows.station().port().portOpen());
    windows.mapWindow().findChild<QRadioButton*>("OffLine")->click();
    EXPECT_FALSE(windows.station().port().portOpen());
    EXPECT_TRUE(windows.assemblerWindow()
                    .findChild<QLabel*>("LineStatus")
                    ->text()
                    .endsWith(": closed (off line)"));
}

} // namespace
