// SPDX-License-Identifier: GPL-3.0-or-later
#include "PalettePanel.h"
#include "WindowTest.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

namespace {

class PicturesAndCaptions : public WindowTest {};

TEST_F(PicturesAndCaptions, TheElementBoxFollowsTheBitmapFolder) {
    open();
    editor->grid().selectSlot(11); // an element of the shipped palette
    ASSERT_FALSE(editor->grid().element().bitmapName.isEmpty());
    auto* box = child<QLabel>("ElementBox");
    const QImage classic = box->pixmap().toImage();
    QTest::mouseClick(child<QCheckBox>("BitmapFolder"), Qt::LeftButton);
    EXPECT_TRUE(editor->grid().element().picture.contains("BMP_T/"));
    EXPECT_NE(box->pixmap().toImage(), classic);
    QTest::mouseClick(child<QCheckBox>("BitmapFolder"), Qt::LeftButton);
    EXPECT_EQ(box->pixmap().toImage(), classic);
}

// Every text the main window shows, with English captions chosen.
TEST_F(PicturesAndCaptions, EnglishCaptionsLeaveNoChineseCaption) {
    editor = std::make_unique<MapEditor>(folder, prompter);
    editor->setCaptionLanguage("en");
    window = std::make_unique<Form1>(*editor);
    window->start();
    const QRegularExpression chinese("\\p{Han}");
    QStringList shown;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        shown << button->text();
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>())
        shown << frame->title();
    for (const QLabel* label : window->findChildren<QLabel*>())
        shown << label->text();
    EXPECT_GT(shown.size(), 100);
    EXPECT_TRUE(shown.contains("Transmit"));
    for (const QString& text : shown)
        EXPECT_FALSE(text.contains(chinese)) << text.toStdString();
}

} // namespace
