// SPDX-License-Identifier: GPL-3.0-or-later
// The program check in the main window: F7, the marks, the list, and the
// question before converting a map with errors.

#include "FindingMarks.h"
#include "GridEditor.h"
#include "GridView.h"
#include "WindowTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class FindingsTest : public WindowTest {
protected:
    void SetUp() override {
        open();
        editor->setPagesInUse(2);
        LadderMap& map = editor->map();
        map.cell(0, 0) = {"no.bmp", "9,3", "1", ""}; // a register past its field
        map.cell(0, 1) = {"out.bmp", "1,0", "1", ""};
        map.cell(1, 0) = {"no.bmp", "0,1", "1", ""};
        map.cell(1, 1) = {"goto.bmp", "5", "1", ""}; // no label 5 anywhere
        editor->view().showPage(0);
    }
    QListWidget* list() { return child<QListWidget>("FindingsList"); }
    // The colour of the corner flag on a cell's picture, as the grid shows it.
    QColor flagOf(int cell) {
        GridView* grid = window->grid();
        const QRect picture = grid->pictureRect(cell);
        return grid->grab().toImage().pixelColor(picture.topRight() + QPoint(-2, 2));
    }
};

TEST_F(FindingsTest, F7MarksTheCellsAtEveryScaleInBothIconSetsAndListsTheFindings) {
    EXPECT_EQ(child<QLabel>("FindingsSummary")->text(), "Check (F7): not run yet");
    EXPECT_NE(flagOf(0), FindingMarks::colour(true));
    QTest::keyClick(window.get(), Qt::Key_F7);
    EXPECT_EQ(child<QLabel>("FindingsSummary")->text(), "Check: 1 error, 1 warning");
    ASSERT_EQ(list()->count(), 2);
    EXPECT_TRUE(list()->item(0)->text().startsWith("1:1:1  error: register 9 is outside"));

    for (const QSize size : {QSize(1366, 768), QSize(1800, 1200)}) {
        window->resize(size);
        QApplication::processEvents();
        for (const bool alternative : {false, true}) {
            child<QCheckBox>("BitmapFolder")->setChecked(alternative);
            EXPECT_EQ(flagOf(0), FindingMarks::colour(true)) << window->grid()->scale();
            EXPECT_NE(flagOf(1), FindingMarks::colour(true));
        }
    }
    // A click on the warning turns to its page, where its cell is marked.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(list()->item(1)).center());
    EXPECT_EQ(editor->map().currentPage(), 1);
    EXPECT_EQ(flagOf(1), FindingMarks::colour(false));

    // Once checked, the marks follow the edits: a jump without its label.
    editor->view().showPage(0);
    EXPECT_NE(flagOf(2), FindingMarks::colour(true));
    editor->grid().selectSlot(24);
    editor->grid().pressCell(2, GridEditor::buttonOf(Qt::LeftButton));
    ASSERT_EQ(editor->map().cell(0, 2).A, "goto.bmp");
    EXPECT_EQ(flagOf(2), FindingMarks::colour(true));
}

TEST_F(FindingsTest, AMapWithErrorsIsConvertedOnlyWhenTheUserSaysSo) {
    QSignalSpy converted(window.get(), &Form1::converted);
    auto* convert = child<QPushButton>("Command1(0)");
    prompter.answer = false;
    QTest::mousePress(convert, Qt::LeftButton);
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(prompter.questions[0].startsWith("Check: 1 error, 1 warning."));
    EXPECT_TRUE(prompter.questions[0].endsWith("\nConvert anyway?"));
    EXPECT_TRUE(converted.isEmpty());
    EXPECT_EQ(list()->count(), 2);

    prompter.answer = true;
    QTest::mousePress(convert, Qt::LeftButton);
    EXPECT_EQ(converted.size(), 1);

    // Warnings alone stop nothing.
    editor->map().cell(0, 0).B = "0,3";
    QTest::mousePress(convert, Qt::LeftButton);
    EXPECT_EQ(prompter.questions.size(), 2);
    EXPECT_EQ(converted.size(), 2);
}

// The box under the grid puts the check's findings on the print, checking
// the map first if it was not checked; unticked, the print has no marks.
TEST_F(FindingsTest, PrintCheckMarksPutsTheFindingsOnThePrintOnlyWhenTicked) {
    auto* box = child<QCheckBox>("PrintCheckMarks");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(editor->view().printPage().findings, nullptr);
    box->setChecked(true);
    ASSERT_NE(editor->view().printPage().findings, nullptr);
    EXPECT_EQ(editor->view().printPage().findings->size(), 2);
    EXPECT_EQ(child<QLabel>("FindingsSummary")->text(), "Check: 1 error, 1 warning");
    box->setChecked(false);
    EXPECT_EQ(editor->view().printPage().findings, nullptr);
}

} // namespace
