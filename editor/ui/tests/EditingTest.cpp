// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionFrame.h"
#include "GridView.h"
#include "WindowTest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class EditingTest : public WindowTest {
protected:
    EditingTest() { open(); }

    QToolButton* slot(int k) {
        return child<QToolButton>(QStringLiteral("PaletteSlot(%1)").arg(k));
    }
    void pressCell(int cell, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window->grid(), button, {}, window->grid()->pictureRect(cell).center());
    }
    // Clicks a check box on its indicator.
    static void tick(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    void key(int n) {
        QTest::mouseClick(child<QPushButton>(QStringLiteral("Keypad(%1)").arg(n)), Qt::LeftButton);
    }
};

// The shipped palette: slot 11 is the normally open contact, 13 the coil.
TEST_F(EditingTest, DrawARungAndLabelItThroughTheKeypad) {
    QTest::mouseClick(slot(11), Qt::LeftButton);
    pressCell(0);
    pressCell(1);
    QTest::mouseClick(slot(13), Qt::LeftButton);
    pressCell(10);
    const LadderMap& map = editor->map();
    EXPECT_EQ(map.cell(0, 0).A, "no.bmp");
    EXPECT_EQ(map.cell(0, 1).A, "no.bmp");
    EXPECT_EQ(map.cell(0, 10).A, "out.bmp");
    EXPECT_EQ(map.cell(0, 10).D, editor->catalogue().templateOf(13));
    EXPECT_EQ(child<QLineEdit>("BitmapNameField")->text(), "");

    pressCell(10, Qt::RightButton);
    EXPECT_TRUE(child<QWidget>("OperandBox")->isVisible());
    for (int n : {12 + 1, 0, 18, 5})
        key(n); // B 0 , 5 ... then "Y" from the label list
    key(25);
    EXPECT_FALSE(child<QWidget>("OperandBox")->isVisible());
    EXPECT_EQ(map.cell(0, 10).B, "B0,5");
    EXPECT_EQ(editor->view().cell(10).labelText, "B0,5");

    pressCell(0, Qt::RightButton);
    auto* list = child<QListWidget>("LabelList");
    ASSERT_GT(list->count(), 0);
    const QString first = list->item(0)->text();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QTest::keyClick(child<QLineEdit>("OperandField"), Qt::Key_Return);
    EXPECT_EQ(map.cell(0, 0).B, first);
    QTest::mouseClick(child<QPushButton>("LabelExit"), Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>("OperandBox")->isVisible());

    // A press on the label under the contact opens the branch downwards.
    QTest::mousePress(window->grid(), Qt::LeftButton, {}, window->grid()->labelRect(1).center());
    EXPECT_EQ(map.cell(0, 1).C, "0");
}

// The frame shows the slot's draft and hands the edited one to the element
// definitions; the files they write are tested with them.
TEST_F(EditingTest, DesignerModeEditsASlotThroughTheDefinitionFrame) {
    child<QLineEdit>("Text2")->setText("Kelm Tavo");
    tick(child<QCheckBox>("DesignerCheck"));
    ASSERT_TRUE(editor->definitions().designer());
    QTest::mouseDClick(slot(20), Qt::LeftButton);
    auto* frame = child<QWidget>("DefinitionFrame");
    ASSERT_TRUE(frame->isVisible());
    const auto draft = editor->definitions().open(20);
    ASSERT_TRUE(draft.has_value());
    auto* box = child<QPlainTextEdit>("TemplateBox");
    auto* names = child<QLineEdit>("ElementNameBox");
    EXPECT_EQ(box->toPlainText(), QString(draft->templateText).replace("\r\n", "\n"));
    EXPECT_EQ(child<QLineEdit>("BitmapNameBox")->text(), draft->bitmapName);
    EXPECT_EQ(names->text(), draft->name);

    box->setPlainText("LD @\nAND X");
    names->setText("my key");
    QTest::mouseClick(child<QPushButton>("DefinitionSave"), Qt::LeftButton);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(editor->catalogue().templateOf(20), "\r\nLD @ >\r\nAND X");
    EXPECT_EQ(slot(20)->toolTip(), "my key");
}

TEST_F(EditingTest, WithoutTheAccessTextDoubleClicksOpenNothing) {
    tick(child<QCheckBox>("DesignerCheck"));
    QTest::mouseDClick(slot(20), Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>("DefinitionFrame")->isVisible());
    EXPECT_FALSE(child<QPushButton>("LabelEdit")->isEnabled());
}

} // namespace
