// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form3.h"
#include "FakePrompter.h"
#include "ShippedFolder.h"
#include "Station.h"
#include "TextFile.h"
#include "VirtualTransport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The window on a copy of the shipped folder, whose port is the virtual
// controller.
class Form3Test : public ::testing::Test {
protected:
    Form3Test() {
        form.load();
        form.show();
    }
    template <class T> T* child(const QString& name) {
        T* widget = form.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    VirtualController& controller() {
        return static_cast<VirtualTransport*>(station.port().transport())->controller();
    }

    ShippedFolder shipped;
    ProgramFolder folder{shipped.path()};
    FakePrompter prompter;
    Station station{folder, prompter};
    Form3 form{station};
};

TEST_F(Form3Test, TheShippedFolderStartsOnTheVirtualControllerAndSaysSo) {
    EXPECT_EQ(child<QLabel>("LineStatus")->text(), "COM5 \u2192 virtual controller");
    EXPECT_TRUE(form.windowTitle().contains("virtual controller"));
    // The options of the port and the rate in use are ticked, and no other.
    int ticked = 0;
    for (QRadioButton* option : form.findChildren<QRadioButton*>())
        ticked += option->isChecked();
    EXPECT_EQ(ticked, 2);
    EXPECT_TRUE(child<QRadioButton>("Option1(10)")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("Option1(3)")->isChecked());
}

TEST_F(Form3Test, OptionsRewriteThePortFileAndTheStatusNamesAPortThatWillNotOpen) {
    TextFile::write(shipped.path("def/comports.def"), "COM2=/nonexistent/tty\r\nCOM5=sim\r\n");
    child<QRadioButton>("Option1(4)")->click(); // 19200, the port stays open
    EXPECT_TRUE(station.port().portOpen());
    child<QRadioButton>("Option1(1)")->click(); // COM2
    EXPECT_EQ(TextFile::read(folder.path("def\\rs232.def")).value(), " 2\r\n19200,e,8,1\r\n");
    EXPECT_TRUE(child<QRadioButton>("Option1(1)")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("Option1(3)")->isChecked());
    const QString status = child<QLabel>("LineStatus")->text();
    EXPECT_TRUE(status.startsWith("COM2 \u2192 /nonexistent/tty, 19200 8E1: not open, "))
        << status.toStdString();
}

TEST_F(Form3Test, TheCommandRowTakesItsCommonStepsThenItsOwn) {
    int commonSteps = 0;
    QObject::connect(&station, &Station::commonStepsTaken, [&] { ++commonSteps; });
    station.Timer1().start(1000);
    auto* runStop = child<QPushButton>("Command1(4)");
    EXPECT_EQ(runStop->text(), "STOP");
    runStop->click();
    EXPECT_EQ(runStop->text(), "RUN");
    EXPECT_EQ(child<QLabel>("CommandStatus")->text(),
              "RUN: start frame sent to COM5 \u2192 virtual controller");
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller().running(); }, 2000));
    runStop->click();
    EXPECT_EQ(runStop->text(), "STOP");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !controller().running(); }, 2000));

    child<QPushButton>("Command1(3)")->click(); // "Print": the common steps only
    EXPECT_EQ(commonSteps, 3);
    EXPECT_EQ(prompter.beeps, 3);
    EXPECT_FALSE(station.Timer1().isActive());

    auto* browser = child<QWidget>("Frame1");
    child<QPushButton>("Command1(2)")->click();
    EXPECT_TRUE(browser->isVisible());
    child<QPushButton>("Command1(2)")->click();
    EXPECT_FALSE(browser->isVisible());
}

TEST_F(Form3Test, SaveWritesIntoTheBrowsedFolderAndLoadReadsFromPlc) {
    child<QPlainTextEdit>("Text4")->setPlainText("            IN,0,1\r\n");
    prompter.typed = "TEST";
    child<QPushButton>("Command1(1)")->click();
    EXPECT_EQ(prompter.questions.last(), "Input File Name ! ");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "TEST.plc");
    EXPECT_EQ(TextFile::read(folder.path("plc\\TEST.plc")).value(), "            IN,0,1\r\n\r\n");

    // A name with .PLC anywhere is used as typed; a folder in its place fails
    // aloud and the old name's file stays whole.
    prompter.typed = "A.PLC.TXT";
    QDir().mkpath(folder.path("plc") + "/A.PLC.TXT");
    child<QPushButton>("Command1(1)")->click();
    ASSERT_FALSE(prompter.messages.isEmpty());
    EXPECT_TRUE(prompter.messages.last().startsWith("The source was not saved."));

    // Cancel or blanks: nothing happens.
    prompter.typed = "   ";
    child<QPushButton>("Command1(1)")->click();
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "A.PLC.TXT");

    child<QPlainTextEdit>("Text4")->clear();
    child<QPushButton>("Command1(2)")->click();
    auto* files = child<QListWidget>("File1");
    const auto found = files->findItems("TEST.plc", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QPoint item = files->visualItemRect(found.first()).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, item);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, item);
    EXPECT_EQ(child<QPlainTextEdit>("Text4")->toPlainText(), "            IN,0,1\n\n");
    EXPECT_FALSE(child<QWidget>("Frame1")->isVisible());
}

TEST_F(Form3Test, TheMessageBoxHandsTheFocusOnWithAnIndentedLine) {
    auto* source = child<QPlainTextEdit>("Text4");
    source->setPlainText("END");
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(3);
    source->setTextCursor(cursor);
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(child<QPlainTextEdit>("Text3"), &focus);
    EXPECT_EQ(source->toPlainText(), "END            ");
    QTest::keyClick(source, Qt::Key_Left); // the position shows as the key goes down
    EXPECT_TRUE(QTest::qWaitFor([&] { return child<QLineEdit>("Text5")->text() == "14"; }, 1000));
}

TEST_F(Form3Test, TheReceiveLogBreaksBeforeTheFilteredBytes) {
    child<QCheckBox>("Check1")->setChecked(true);
    child<QLineEdit>("Text15(0)")->setText("1");
    station.link().onComm(QByteArray::fromHex("A50102"));
    EXPECT_EQ(child<QPlainTextEdit>("Text14")->toPlainText(), "\nA5 \n1 2 ");
    QTest::mouseClick(child<QLabel>("Label2(0)"), Qt::LeftButton);
    EXPECT_TRUE(child<QPlainTextEdit>("Text14")->toPlainText().isEmpty());
}

} // namespace
