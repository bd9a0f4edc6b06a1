// SPDX-License-Identifier: GPL-3.0-or-later
// The access code opens the second model's download window, which sends
// through the assembler window's line and dumps what comes back; "ExiT".

#include "Form5.h"
#include "Road.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

class DownloadWindow : public Road {
protected:
    void convertWithPreview(const QString& text) {
        windows.mapWindow().findChild<QPlainTextEdit*>("InstructionPreview")->setPlainText(text);
        QTest::mousePress(windows.mapWindow().findChild<QPushButton*>("Command1(0)"),
                          Qt::LeftButton);
    }
    QPushButton* dw() { return windows.downloadWindow().findChild<QPushButton*>("Command1(0)"); }
};

TEST_F(DownloadWindow, TheAccessCodeOpensItAndDwPutsTheControllerIntoItsLoader) {
    convertWithPreview("581204967 ");
    EXPECT_FALSE(windows.downloadWindow().isVisible());
    EXPECT_FALSE(dw()->isEnabled());
    convertWithPreview("581204967");
    Form5& form5 = windows.downloadWindow();
    EXPECT_TRUE(form5.isVisible());
    EXPECT_TRUE(form5.isMaximized());
    EXPECT_TRUE(windows.assemblerWindow().isMaximized());
    EXPECT_TRUE(dw()->isEnabled());

    dw()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return line.size() == 11; }, 5000))
        << line.join('\n').toStdString();
    EXPECT_EQ(line.count("loader byte"), 9);
    EXPECT_EQ(line[9], "loader byte, in loader mode");
    EXPECT_EQ(line[10], "loader start, parameter 08");
    EXPECT_TRUE(form5.findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_TRUE(form5.findChild<QLabel*>("LoaderAnswer")
                    ->text()
                    .startsWith("sent AA AA AA AA AA AA AA AA AA AA A6 08; "));

    // The acknowledgement shows as 0; six AA in a row clear the dump.
    auto* dump = form5.findChild<QPlainTextEdit*>("Text1");
    far.write(QByteArray::fromHex("015A02AAAAAAAAAAAA07"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dump->toPlainText().endsWith("7"); }, 5000));
    EXPECT_EQ(dump->toPlainText(), " - 7");
    // The next byte counts as the first of a line.
    far.write(QByteArray::fromHex("015A0203"));
    const QString expected = " - 7 - 1\r\n\t - 0 - 2 - 3\t";
    const DownloadDump& core = windows.station().link().dump();
    ASSERT_TRUE(QTest::qWaitFor([&] { return core.text() == expected; }, 5000))
        << core.text().toStdString();
    EXPECT_EQ(dump->toPlainText(), QString(expected).replace("\r\n", "\n"));

    convertWithPreview("");
    EXPECT_FALSE(dw()->isEnabled()) << "each conversion disables DW";

    // Nobody would see the dump grow: answers go back to the tracer.
    form5.close();
    EXPECT_FALSE(form5.findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_FALSE(windows.station().link().dumpSwitch());
}

TEST_F(DownloadWindow, ExitAsksAndHidesEveryWindow) {
    convertWithPreview("581204967");
    prompter.answer = false;
    QTest::mousePress(windows.mapWindow().findChild<QPushButton*>("Command1(2)"), Qt::LeftButton);
    EXPECT_EQ(prompter.questions.last(), "EXIT  VantMAP ?");
    EXPECT_TRUE(windows.mapWindow().isVisible());
    prompter.answer = true;
    QTest::mousePress(windows.mapWindow().findChild<QPushButton*>("Command1(2)"), Qt::LeftButton);
    for (QWidget* window : {static_cast<QWidget*>(&windows.mapWindow()),
                            static_cast<QWidget*>(&windows.assemblerWindow()),
                            static_cast<QWidget*>(&windows.downloadWindow())})
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
}

} // namespace
