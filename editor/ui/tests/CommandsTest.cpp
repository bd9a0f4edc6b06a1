// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command buttons, grid buttons and label listing.

#include "GridEditor.h"
#include "WindowTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CommandsTest : public WindowTest {
protected:
    void SetUp() override { open(); }
    QPushButton* command(int i) {
        return child<QPushButton>(QStringLiteral("Command1(%1)").arg(i));
    }
};

TEST_F(CommandsTest, EachCommandButtonActsOnItsOwnMouseButtonOnly) {
    QSignalSpy converted(window.get(), &Form1::converted),
        tracer(window.get(), &Form1::tracerRequested), exits(window.get(), &Form1::exitRequested);
    QWidget* fileFrame = child<QWidget>("FileFrame");
    QWidget* instructions = child<QGroupBox>("InstructionFrame");
    EXPECT_FALSE(instructions->isVisible());
    for (int i = 1; i < 5; ++i)
        QTest::mousePress(command(i), Qt::RightButton);
    EXPECT_TRUE(converted.isEmpty() && tracer.isEmpty() && exits.isEmpty());
    EXPECT_FALSE(fileFrame->isVisible());
    QTest::mousePress(command(0), Qt::RightButton);
    EXPECT_TRUE(instructions->isVisible());
    EXPECT_TRUE(converted.isEmpty());
    // The next right press hides the frame again, and so does Escape.
    QTest::mousePress(command(0), Qt::RightButton);
    EXPECT_FALSE(instructions->isVisible());
    QTest::mousePress(command(0), Qt::RightButton);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(instructions->isVisible());

    for (int i = 1; i < 5; ++i)
        QTest::mousePress(command(i), Qt::LeftButton);
    EXPECT_EQ(tracer.size(), 1);
    EXPECT_EQ(exits.size(), 1);
    EXPECT_TRUE(fileFrame->isVisible());
    QTest::mousePress(command(4), Qt::LeftButton);
    EXPECT_FALSE(fileFrame->isVisible());
    EXPECT_EQ(command(2)->text(), "ExiT");
}

TEST_F(CommandsTest, TheAccessCodeCountsOnlyExactly) {
    QSignalSpy opened(window.get(), &Form1::downloadWindowRequested);
    auto* preview = child<QPlainTextEdit>("InstructionPreview");
    for (const char* code : {" 581204967", "581204967 ", "581204968"}) {
        preview->setPlainText(code);
        QTest::mousePress(command(0), Qt::LeftButton);
        EXPECT_TRUE(opened.isEmpty()) << code;
    }
    preview->setPlainText("581204967");
    QTest::mousePress(command(0), Qt::LeftButton);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(preview->toPlainText().isEmpty());
}

TEST_F(CommandsTest, ClearAsksFirstAndTheLabelListingNamesPageAndRow) {
    editor->map().cell(0, 2 * 11 + 3).B = "0,3";
    editor->map().cell(1, 5).B = " 7 ";
    editor->map().cell(1, 6).B = "  ";

    auto* listing = child<QPlainTextEdit>("LabelListing");
    QTest::mouseDClick(child<QLabel>("ElementBox"), Qt::LeftButton);
    EXPECT_TRUE(listing->isVisible());
    EXPECT_EQ(listing->toPlainText(), " 1, 3 == 0,3\n 2, 1 ==  7 \n");
    QTest::mouseDClick(child<QLabel>("ElementBox"), Qt::LeftButton);
    EXPECT_FALSE(listing->isVisible());

    prompter.answer = false;
    child<QPushButton>("GridButton(2)")->click();
    EXPECT_EQ(prompter.questions.last(), "ALL Clear OK ?");
    EXPECT_EQ(editor->map().cell(0, 25).B, "0,3");
    prompter.answer = true;
    editor->view().showPage(1);
    child<QPushButton>("GridButton(2)")->click();
    EXPECT_TRUE(editor->map().cell(0, 25).B.isEmpty());
    EXPECT_EQ(editor->map().currentPage(), 0);

    child<QCheckBox>("ShowCoordinates")->setChecked(true);
    EXPECT_TRUE(editor->view().printPage().coordinateLines);
}

TEST_F(CommandsTest, ADropOnTheLadderAreaPlacesTheFileFrameAndTellsWhere) {
    QMimeData mime;
    mime.setData("application/x-obel-control", "Coordinates");
    QWidget* ladder = child<QWidget>("LadderFrame");
    QDragEnterEvent enter(QPoint(120, 90), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ladder, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(120, 90), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ladder, &drop);
    EXPECT_EQ(child<QWidget>("FileFrame")->pos(), QPoint(120, 90));
    EXPECT_EQ(child<QLineEdit>("Coordinates")->text(), "120=90");
}

TEST_F(CommandsTest, KeysUndoRedoTurnPagesAndCloseFramesAndTheTitleTellsOfChanges) {
    editor->mapFiles().setFileName("PUMP.MAP");
    EXPECT_TRUE(window->windowTitle().endsWith(u"\u2014 PUMP.MAP"_qs));
    editor->grid().selectSlot(11);
    editor->grid().pressCell(0, GridEditor::Left);
    const QString placed = editor->map().cell(0, 0).A;
    ASSERT_FALSE(placed.isEmpty());
    EXPECT_TRUE(window->windowTitle().endsWith(" *"));

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(editor->map().cell(0, 0).A.isEmpty());
    EXPECT_FALSE(window->windowTitle().endsWith(" *"));
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(editor->map().cell(0, 0).A, placed);

    QTest::keyClick(window.get(), Qt::Key_PageDown);
    EXPECT_EQ(editor->map().currentPage(), 1);
    QTest::keyClick(window.get(), Qt::Key_PageUp);
    EXPECT_EQ(editor->map().currentPage(), 0);

    QTest::mousePress(command(4), Qt::LeftButton);
    ASSERT_TRUE(child<QWidget>("FileFrame")->isVisible());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(child<QWidget>("FileFrame")->isVisible());
}

} // namespace
