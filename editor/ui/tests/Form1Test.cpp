// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridView.h"
#include "TextFile.h"
#include "WindowTest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Form1Test : public WindowTest {
protected:
    QString buttonColour(int page) {
        return child<QPushButton>(QStringLiteral("PageButton(%1)").arg(page))->styleSheet();
    }
};

const QString violet = QStringLiteral("background-color: #ffc0ff");
const QString orange = QStringLiteral("background-color: #ffc080");

TEST_F(Form1Test, StartsOnPageOneWithTheShippedCaptionsAndCatalogue) {
    open();
    EXPECT_EQ(editor->map().currentPage(), 0);
    EXPECT_EQ(editor->map().pagesInUse(), 3);
    EXPECT_EQ(buttonColour(0), violet);
    EXPECT_EQ(buttonColour(1), orange);
    EXPECT_EQ(window->windowTitle(), u"norvette-c 梯形圖"_qs);
    EXPECT_EQ(child<QRadioButton>("EditMode(5)")->text(), u"複製上行"_qs);
    EXPECT_TRUE(child<QRadioButton>("Product(0)")->isChecked());
    EXPECT_EQ(child<QSlider>("PageSlider")->value(), 3);
    EXPECT_EQ(child<QWidget>("PaletteSlot(11)")->toolTip(), u"常開接點"_qs);
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_EQ(window->font().family(), "Arial");
}

TEST_F(Form1Test, PageButtonsShowTheirPageAndIgnorePagesOutOfUse) {
    open();
    QTest::mouseClick(child<QPushButton>("PageButton(2)"), Qt::LeftButton);
    EXPECT_EQ(editor->map().currentPage(), 2);
    EXPECT_EQ(buttonColour(2), violet);
    EXPECT_EQ(buttonColour(0), orange);

    QTest::mouseClick(child<QPushButton>("PageButton(3)"), Qt::LeftButton);
    EXPECT_EQ(editor->map().currentPage(), 2);
    EXPECT_EQ(buttonColour(3), orange);
    EXPECT_EQ(buttonColour(2), violet);
}

TEST_F(Form1Test, ACommaInTheCaptionFileShiftsTheCaptions) {
    ASSERT_TRUE(TextFile::write(shipped.path("fun_name1.txt"), "Title\r\nA,B\r\nC\r\n"));
    open();
    EXPECT_EQ(window->windowTitle(), "Title");
    EXPECT_EQ(child<QPushButton>("GroupButton(0)")->text(), "A");
    EXPECT_EQ(child<QPushButton>("GroupButton(1)")->text(), "B");
    EXPECT_EQ(child<QPushButton>("GroupButton(2)")->text(), "C");
    EXPECT_EQ(child<QPushButton>("GroupButton(3)")->text(), "4"); // built-in
}

TEST_F(Form1Test, TheSliderStoresThePageCount) {
    open();
    child<QSlider>("PageSlider")->setValue(6);
    EXPECT_EQ(editor->map().pagesInUse(), 6);
    EXPECT_EQ(TextFile::read(shipped.path("def/mpage.def")).value(), " 6\r\n");
    QTest::mouseClick(child<QPushButton>("PageButton(5)"), Qt::LeftButton);
    EXPECT_EQ(editor->map().currentPage(), 5);
}

TEST_F(Form1Test, ProductChoiceSwitchesThePaletteGroups) {
    open();
    QTest::mouseClick(child<QRadioButton>("Product(1)"), Qt::LeftButton);
    EXPECT_FALSE(child<QPushButton>("GroupButton(0)")->isEnabled());
    EXPECT_TRUE(child<QWidget>("PaletteFrame(2)")->isVisible());
    EXPECT_FALSE(child<QWidget>("PaletteFrame(0)")->isVisible());
    QTest::mouseClick(child<QRadioButton>("Product(2)"), Qt::LeftButton);
    EXPECT_TRUE(child<QPushButton>("GroupButton(4)")->isEnabled());
    EXPECT_TRUE(child<QWidget>("PaletteFrame(0)")->isVisible());
}

TEST_F(Form1Test, GoToRowAndPointerFeedbackReachTheirFields) {
    open();
    child<QLineEdit>("Text13")->setText("27");
    EXPECT_EQ(editor->map().currentPage(), 2);
    GridView* grid = window->grid();
    // 4 and 3 pixels of the grid's natural size into cell 12, as drawn now:
    // 60 and 45 twips, give or take the pixel the drawing's scale rounds to.
    QTest::mouseMove(grid, grid->pictureRect(12).topLeft() +
                               (QPointF(4.5, 3.5) * grid->scale()).toPoint());
    static const QRegularExpression xy("^X= (\\d+) +Y= (\\d+)$");
    const auto m = xy.match(child<QLineEdit>("Coordinates")->text());
    ASSERT_TRUE(m.hasMatch()) << child<QLineEdit>("Coordinates")->text().toStdString();
    EXPECT_NEAR(m.captured(1).toInt(), 60, 15);
    EXPECT_NEAR(m.captured(2).toInt(), 45, 15);
}

// The column guide shows through a transparent label and is hidden by an
// opaque one; an element's picture hides it, an empty cell does not.
TEST_F(Form1Test, ColumnGuidesShowOnlyWhereNothingOpaqueCoversThem) {
    open();
    editor->map().cell(0, 0) = {"no.bmp", "", "0", ""};
    editor->map().cell(0, 1) = {"no.bmp", "", "1", ""};
    editor->view().showPage(0);
    const QImage image = window->grid()->grab().toImage();
    // The column centre, within the pixel or two the drawing's scale rounds to.
    const auto guideSeen = [&](const QRect& rect) {
        for (int x = rect.center().x() - 1; x <= rect.center().x() + 2; ++x)
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                if (qGray(image.pixel(x, y)) < 200 && qGray(image.pixel(x, y)) > 100) return true;
        return false;
    };
    GridView* grid = window->grid();
    const QRect transparentGap = grid->labelRect(0).adjusted(0, 8, 0, -2);
    const QRect opaqueGap = grid->labelRect(1).adjusted(0, 8, 0, -2);
    EXPECT_TRUE(guideSeen(transparentGap));
    EXPECT_FALSE(guideSeen(opaqueGap));
    EXPECT_TRUE(guideSeen(grid->pictureRect(2)));
}

TEST_F(Form1Test, TheAlternativeIconsChangeTheGridPictures) {
    open();
    editor->map().cell(0, 0).A = "no.bmp";
    editor->view().showPage(0);
    const QImage classic = window->grid()->grab(window->grid()->pictureRect(0)).toImage();
    QTest::mouseClick(child<QCheckBox>("BitmapFolder"), Qt::LeftButton);
    const QImage tinted = window->grid()->grab(window->grid()->pictureRect(0)).toImage();
    EXPECT_NE(classic, tinted);
    EXPECT_TRUE(editor->view().cell(0).picture.endsWith("BMP_T/no.bmp"));
}

} // namespace
