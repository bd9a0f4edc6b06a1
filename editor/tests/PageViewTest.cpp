// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageView.h"
#include "ClockText.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "Pictures.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

class PageViewTest : public ::testing::Test {
protected:
    PageViewTest() : pictures(t.folder()), view(map, catalogue, pictures) {
        t.write("BMP/space.bmp", "b");
        t.write("BMP/line1.bmp", "b");
        t.write("BMP/no.bmp", "b");
        pictures.loadSlotPicture(0, "line1.bmp");
        map.setPagesInUse(3);
        view.initialise();
    }

    TestFolder t;
    LadderMap map;
    ElementCatalogue catalogue;
    Pictures pictures;
    PageView view;
};

TEST_F(PageViewTest, APageBeyondThePagesInUseDoesNothing) {
    view.showPage(1);
    view.showPage(3);
    EXPECT_EQ(map.currentPage(), 1);
    EXPECT_EQ(view.pageButtonColour(1), PageView::Violet);
    EXPECT_EQ(view.pageButtonColour(3), PageView::Orange);
}

TEST_F(PageViewTest, ShowingAPageRecoloursTheButtonsUpToOnePastThePagesInUse) {
    map.setPagesInUse(10);
    view.showPage(8);
    map.setPagesInUse(3);
    view.showPage(0);
    EXPECT_EQ(view.pageButtonColour(0), PageView::Violet);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(view.pageButtonColour(j), PageView::Orange);
    // Buttons past the count keep the colour they had.
    EXPECT_EQ(view.pageButtonColour(8), PageView::Violet);
}

TEST_F(PageViewTest, CellsShowTheirPictureLabelColourAndMark) {
    map.cell(1, 0) = {"", "lbl", "0", ""};
    map.cell(1, 1) = {"space.bmp", "", "1", ""};
    map.cell(1, 2) = {"no.bmp", "X0", "", "\r\nX"};
    map.cell(1, 3) = {"no.bmp", "", "x", ""};
    map.cell(1, 4) = {"missing.bmp", "", " 0 ", ""};
    view.showPage(1);
    EXPECT_EQ(view.cell(0).picture, pictures.slotPicture(0));
    EXPECT_EQ(view.cell(1).picture, t.path("BMP/space.bmp"));
    EXPECT_EQ(view.cell(2).picture, t.path("BMP/no.bmp"));
    EXPECT_EQ(view.cell(4).picture, pictures.slotPicture(0));
    EXPECT_EQ(view.cell(0).labelColour, PageView::Blue);
    EXPECT_EQ(view.cell(1).labelColour, PageView::Blue);
    EXPECT_EQ(view.cell(2).labelColour, PageView::Red);
    EXPECT_FALSE(view.cell(0).labelOpaque);
    EXPECT_TRUE(view.cell(1).labelOpaque);
    EXPECT_TRUE(view.cell(2).labelOpaque);
    EXPECT_TRUE(view.cell(3).labelOpaque);
    EXPECT_FALSE(view.cell(4).labelOpaque);
    EXPECT_FALSE(view.cell(0).pictureInFront);
    EXPECT_FALSE(view.cell(1).pictureInFront);
    EXPECT_TRUE(view.cell(2).pictureInFront);
    EXPECT_EQ(view.cell(2).labelText, "X0");
    EXPECT_EQ(view.printPage().cells[2].labelText, "X0");
    EXPECT_EQ(view.printPage().heading2, u"頁簽 :  2"_qs);
}

TEST_F(PageViewTest, TheViewKeepsTheOldTemplateWhileTheMapIsRefreshed) {
    catalogue.setPaletteBitmap(10, "no.bmp");
    catalogue.setTemplate(10, "\r\nOLD");
    catalogue.setPaletteBitmap(240, "no.bmp");
    catalogue.setTemplate(240, "\r\nNEW");
    map.cell(2, 5) = {"no.bmp", "", "", "\r\nSTALE"};
    view.showPage(2);
    EXPECT_EQ(view.cell(5).viewTemplate, "\r\nSTALE");
    EXPECT_EQ(map.cell(2, 5).D, "\r\nNEW");
    EXPECT_EQ(view.rowNumber(0), "27");
    EXPECT_EQ(view.rowNumber(12), "39");
}

TEST_F(PageViewTest, GoToRowShowsThePageAndMarksTheRow) {
    view.setGoToRowText("2");
    view.setGoToRowText("27");
    EXPECT_EQ(map.currentPage(), 2);
    EXPECT_EQ(view.rowNumber(0), "27");
    EXPECT_EQ(view.rowNumberBackground(0), PageView::RowMark);
    // The page display resets the label of the text it finds ("27"), so the
    // label coloured by the intermediate "2" stays coloured.
    EXPECT_EQ(view.rowNumberBackground(1), PageView::RowMark);

    // A command of the assembler window whitens the label of the row named.
    view.unmarkGoToRow();
    EXPECT_EQ(view.rowNumberBackground(0), PageView::White);
    EXPECT_EQ(view.rowNumberBackground(1), PageView::RowMark);
}

TEST_F(PageViewTest, GoToRowZeroAsksForPageMinusOne) {
    view.showPage(1);
    view.setGoToRowText("0");
    EXPECT_EQ(map.currentPage(), 1);
    for (int j = 0; j <= 3; ++j)
        EXPECT_EQ(view.pageButtonColour(j), PageView::Orange);
    EXPECT_EQ(view.rowNumberBackground(12), PageView::RowMark);
}

TEST_F(PageViewTest, GoToRowBeyondThePagesInUseStillMarksTheRow) {
    view.setGoToRowText("60"); // page 4 of 3
    EXPECT_EQ(map.currentPage(), 0);
    EXPECT_EQ(view.rowNumberBackground(7), PageView::RowMark);
    view.setGoToRowText("99999999"); // page beyond 16 bits: ignored
    EXPECT_EQ(map.currentPage(), 0);
}

TEST_F(PageViewTest, PointerFeedback) {
    map.cell(0, 0) = {"no.bmp", "X0", "", "IN @"};
    map.cell(0, 1) = {"no.bmp", "0.1", "", "\r\nX"};
    map.cell(0, 2) = {"", "lonely", "", "IGNORED"};
    view.showPage(0);
    view.pointerOverCell(0, 120, 45);
    EXPECT_EQ(view.coordinates(), "X= 120    Y= 45");
    EXPECT_EQ(view.instructionPreview(), "IN X0");
    view.pointerOverCell(1, -3, 0);
    EXPECT_EQ(view.coordinates(), "X=-3    Y= 0");
    EXPECT_EQ(view.instructionPreview(), "\r\nX0.1");
    view.pointerOverCell(2, 1, 1);
    EXPECT_EQ(view.instructionPreview(), "\r\nX0.1"); // empty cell leaves it
    EXPECT_EQ(view.cell(2).hoverHint, "lonely");
    view.pointerOverLabel(1, 7, 8);
    EXPECT_EQ(view.coordinates(), "X= 7    Y= 8");
}

TEST_F(PageViewTest, TheMarkedCellBlinksEveryFiftyTicks) {
    const QDateTime now = QDateTime::currentDateTime();
    view.setMarkedCell(5);
    int flips = 0;
    bool last = view.markedBorder();
    int firstFlip = 0;
    for (int tick = 1; tick <= 250; ++tick) {
        view.tick(now);
        if (view.markedBorder() != last) {
            ++flips;
            last = view.markedBorder();
            if (!firstFlip) firstFlip = tick;
        }
    }
    EXPECT_EQ(firstFlip, 101);
    EXPECT_EQ(flips, 3);              // ticks 101, 151, 201
    EXPECT_TRUE(view.paletteBlink()); // the palette's blink flipped with it, 3 times
    view.setMarkedCell(PageView::NoCell);
    const bool before = view.markedBorder();
    for (int tick = 0; tick < 60; ++tick)
        view.tick(now);
    EXPECT_EQ(view.markedBorder(), before);
}

// The timer's tick says what it changed on screen, so that only that is
// painted again; its clock text is the local time, to the second.
TEST_F(PageViewTest, ATickSaysWhatItChangedOnScreen) {
    int titleFrames = 0, blinks = 0, flips = 0;
    bool border = view.markedBorder();
    view.setMarkedCell(7);
    for (int tick = 0; tick < 200; ++tick) {
        view.tick();
        titleFrames += view.titleFrameDue();
        blinks += view.blinked();
        flips += view.markedBorder() != border;
        border = view.markedBorder();
    }
    EXPECT_EQ(titleFrames, 200 / PageView::TitleFrameTicks);
    EXPECT_EQ(blinks, 2); // ticks 101 and 151
    EXPECT_EQ(flips, blinks);
    const QString before = ClockText::of(QDateTime::currentDateTime());
    view.tick();
    const QString after = ClockText::of(QDateTime::currentDateTime());
    EXPECT_TRUE(view.clock() == before || view.clock() == after) << view.clock().toStdString();
}

TEST_F(PageViewTest, TitlePulseRunsBetweenZeroAnd121) {
    int low = 1000, high = -1;
    for (int tick = 0; tick < 600; ++tick) {
        view.tick(QDateTime::currentDateTime());
        low = std::min(low, view.titleStep());
        high = std::max(high, view.titleStep());
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 121);
    EXPECT_EQ((view.titleColour() >> 8) & 0xff, 128u + view.titleStep());
    EXPECT_EQ(view.titleColour() >> 16, 0xffffu); // red 255, opaque
}

} // namespace
