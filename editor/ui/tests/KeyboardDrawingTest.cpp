// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridView.h"
#include "WindowTest.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class KeyboardDrawingTest : public WindowTest {
protected:
    KeyboardDrawingTest() {
        open();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Every key goes where the keyboard focus is, as a user's would.
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, k, modifiers);
    }
    static void type(const QString& text) {
        for (const QChar c : text) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            QTest::keyClick(focus, c.toLatin1());
        }
    }
};

// The shipped start/stop latch, drawn from the empty map with keys only.
TEST_F(KeyboardDrawingTest, TheLatchLadderDrawnWithKeysSavesAsTheShippedMap) {
    const QString file = shipped.path(QStringLiteral("PLC/LATCH.MAP"));
    QFile shippedMap(file);
    ASSERT_TRUE(shippedMap.open(QIODevice::ReadOnly));
    const QByteArray expected = shippedMap.readAll();
    shippedMap.close();
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_EQ(QApplication::focusWidget(), window->grid());

    struct Cell {
        const char* element; // typed into the chooser
        const char* label;
        int marks; // Ctrl+B presses: one leaves the branch open, two close it again
    };
    const Cell rung[] = {{"no", "0,0", 2}, {"line3", "", 1}, {"nc", "0,1", 2}, {"line1", "", 2},
                         {"line1", "", 2}, {"line3", "", 1}, {"line1", "", 2}, {"line1", "", 2},
                         {"line1", "", 2}, {"out", "1,0", 2}};
    const Cell latch[] = {
        {"line10", "", 1}, {"line1", "", 2}, {"line1", "", 2}, {"orm", "1,0", 2}, {"line8", "", 2}};
    const auto draw = [&](const auto& cells) {
        QString chosen;
        for (const Cell& cell : cells) {
            if (chosen != cell.element) { // the same element stays chosen
                chosen = cell.element;
                type(chosen);
                key(Qt::Key_Return);
            }
            key(Qt::Key_Return); // place, and on to the next cell
            key(Qt::Key_Left);
            if (*cell.label) {
                type(cell.label);
                key(Qt::Key_Return);
            }
            for (int i = 0; i < cell.marks; ++i)
                key(Qt::Key_B, Qt::ControlModifier);
            key(Qt::Key_Right);
        }
    };
    draw(rung);
    key(Qt::Key_Down);
    key(Qt::Key_Home);
    key(Qt::Key_Right);
    draw(latch);
    EXPECT_EQ(editor->cursor().cell(), 17);
    EXPECT_FALSE(child<QWidget>("ElementChooser")->isVisible());
    EXPECT_FALSE(child<QWidget>("OperandBox")->isVisible());

    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("Text2"));
    type(QStringLiteral("LATCH"));
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(prompter.questions.last().startsWith("Save Files ?"))
        << prompter.questions.join('|').toStdString();
    key(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), window->grid());

    ASSERT_TRUE(shippedMap.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(shippedMap.readAll()), QString::fromUtf8(expected));
    EXPECT_FALSE(editor->history().modified());
}

// Escape leaves the chooser and the operand box without a change, and the
// keys come back to the grid.
TEST_F(KeyboardDrawingTest, EscapeLeavesTheBoxesAndTheKeysReturnToTheGrid) {
    key(Qt::Key_Space);
    auto* chooser = child<QWidget>("ElementChooser");
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("ChooserFilter"));
    type("out");
    key(Qt::Key_Escape);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->grid());
    EXPECT_TRUE(editor->grid().element().bitmapName.isEmpty());

    type("5");
    EXPECT_TRUE(child<QWidget>("OperandBox")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("OperandField"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(child<QWidget>("OperandBox")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->grid());
    EXPECT_EQ(editor->map().cell(0, 0).B, "");
    EXPECT_FALSE(editor->history().canUndo());
}

} // namespace
