// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"
#include "WindowTest.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FileFrameTest : public WindowTest {
protected:
    FileFrameTest() {
        open();
        QTest::mousePress(child<QPushButton>("Command1(4)"), Qt::LeftButton);
    }

    void drawRung() {
        editor->map().cell(0, 0) = {"no.bmp", "X0.0", "1", ""};
        editor->map().cell(0, 1) = {"out.bmp", "Y0.0", "0", ""};
        editor->view().showPage(0);
    }
};

TEST_F(FileFrameTest, SaveClearAndLoadBringTheDrawingBack) {
    EXPECT_TRUE(child<QWidget>("FileFrame")->isVisible());
    drawRung();
    auto* nameBox = child<QLineEdit>("Text2");
    QTest::keyClicks(nameBox, "latch");
    QTest::mouseClick(child<QPushButton>("FileButton(0)"), Qt::LeftButton);
    EXPECT_TRUE(QFileInfo::exists(shipped.path("PLC/latch.MAP")));
    EXPECT_EQ(nameBox->text(), "latch.MAP");
    EXPECT_EQ(child<QListWidget>("File1")->findItems("latch.MAP", Qt::MatchExactly).size(), 1);

    editor->map().clr_map();
    editor->view().showPage(0);
    EXPECT_EQ(editor->view().cell(0).labelText, "");

    QTest::keyClick(nameBox, Qt::Key_Return);
    ASSERT_EQ(prompter.questions.size(), 2);
    EXPECT_TRUE(prompter.questions[0].startsWith("Save Files ?\n\nlatch.MAP\nin "));
    EXPECT_EQ(prompter.questions[1], "Load New Files ?");
    EXPECT_EQ(editor->view().cell(0).labelText, "X0.0 ");
    EXPECT_EQ(editor->view().cell(1).bitmapName, "out.bmp ");
    // The blank the file keeps after a name does not lose the picture.
    EXPECT_TRUE(editor->view().cell(1).picture.endsWith("BMP/out.bmp"));
    EXPECT_FALSE(editor->view().cell(1).labelOpaque);
}

TEST_F(FileFrameTest, CancelLeavesFilesAndMapAlone) {
    drawRung();
    prompter.answer = false;
    QTest::keyClicks(child<QLineEdit>("Text2"), "nothing");
    QTest::mouseClick(child<QPushButton>("FileButton(0)"), Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(shipped.path("PLC/nothing.MAP")));
    QTest::keyClick(child<QLineEdit>("Text2"), Qt::Key_Return);
    EXPECT_EQ(editor->map().cell(0, 0).B, "X0.0");
}

TEST_F(FileFrameTest, ACancelledDoubleClickLeavesTheNameBox) {
    QTest::keyClicks(child<QLineEdit>("Text2"), "mine.MAP");
    auto* list = child<QListWidget>("File1");
    const auto items = list->findItems("COUNTER.MAP", Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    const QPoint at = list->visualItemRect(items[0]).center();
    prompter.answer = false;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(prompter.questions, QStringList({"Load New Files ?"}));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "mine.MAP");
    EXPECT_FALSE(window->windowTitle().contains("COUNTER"));
}

TEST_F(FileFrameTest, DoubleClickInTheFileListLoadsAndLogs) {
    ASSERT_TRUE(TextFile::write(shipped.path("PLC/Pump.map"), "(0-5)  A=no.bmp B=P1 C= D=\r\n"));
    QTest::mousePress(child<QPushButton>("Command1(4)"), Qt::LeftButton); // hide
    QTest::mousePress(child<QPushButton>("Command1(4)"), Qt::LeftButton); // show, lists read anew
    auto* list = child<QListWidget>("File1");
    const auto items = list->findItems("Pump.map", Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    const QPoint at = list->visualItemRect(items[0]).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(editor->view().cell(5).labelText, "P1 ");
    EXPECT_TRUE(TextFile::read(shipped.path("PLC/List.txt"))->startsWith("Pump.map  <<<< "));

    QTest::mouseClick(child<QPushButton>("HistoryButton"), Qt::LeftButton);
    EXPECT_TRUE(child<QWidget>("HistoryFrame")->isVisible());
    QTest::mouseClick(child<QPushButton>("FileButton(2)"), Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>("FileFrame")->isVisible());
    EXPECT_FALSE(child<QWidget>("HistoryFrame")->isVisible());
}

} // namespace
