// SPDX-License-Identifier: GPL-3.0-or-later
// The windows explain themselves in the captions' language: a tooltip for
// every control, the printed page's headings, the palette's names and the
// help pages' headings; F2 to F4 bring the windows forward.

#include "FakePrompter.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "HelpPages.h"
#include "ProgramFolder.h"
#include "ShippedFolder.h"
#include "TextFile.h"
#include "Windows.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool isControl(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QAbstractSlider*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w);
}

class WindowTexts : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        windows.editor().setCaptionLanguage(QString::fromLatin1(GetParam()));
        windows.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.mapWindow()));
    }
    bool english() const { return QByteArray(GetParam()) == "en"; }
    QList<QWidget*> allWindows() {
        return {&windows.mapWindow(), &windows.assemblerWindow(), &windows.tracerWindow(),
                &windows.downloadWindow()};
    }

    ShippedFolder shipped;
    ProgramFolder folder{shipped.path()};
    FakePrompter prompter;
    Windows windows{folder, prompter};
};

TEST_P(WindowTexts, EveryControlHasATipInTheCaptionsLanguage) {
    static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    QStringList untipped, foreign;
    for (QWidget* window : allWindows())
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (!isControl(control) || name.isEmpty() || name.startsWith(u"qt_")) continue;
            const QString where = window->objectName() + u'/' + name;
            if (control->toolTip().isEmpty()) untipped << where;
            if (english() && control->toolTip().contains(chinese)) foreign << where;
        }
    EXPECT_TRUE(untipped.isEmpty()) << untipped.join(u' ').toStdString();
    EXPECT_TRUE(foreign.isEmpty()) << foreign.join(u' ').toStdString();
}

TEST_P(WindowTexts, HeadingsNamesAndHelpFollowTheCaptions) {
    MapEditor& editor = windows.editor();
    editor.mapFiles().setFileName(QStringLiteral("PUMP.MAP"));
    editor.view().showPage(0);
    const QString contact =
        windows.mapWindow().findChild<QWidget*>(QStringLiteral("PaletteSlot(11)"))->toolTip();
    HelpPages help(folder);
    help.setEnglish(editor.english());
    const auto page = TextFile::read(help.open(QStringLiteral("out.bmp")).path);
    ASSERT_TRUE(page);
    if (english()) {
        EXPECT_EQ(editor.view().printPage().heading1, u"Project : PUMP.MAP"_qs);
        EXPECT_EQ(contact, u"Normally open contact"_qs);
        EXPECT_TRUE(page->contains(u"out &nbsp; Output coil"_qs));
    } else {
        // As they always were.
        EXPECT_EQ(editor.view().printPage().heading1, u"專案名稱 : PUMP.MAP"_qs);
        EXPECT_EQ(editor.view().printPage().heading2, u"頁簽 :  1"_qs);
        EXPECT_EQ(contact, u"常開接點"_qs);
        EXPECT_TRUE(page->contains(u"out &nbsp; 輸出線圈"_qs));
    }
}

INSTANTIATE_TEST_SUITE_P(Captions, WindowTexts, ::testing::Values("en", "zh_TW"));

class WindowPlaces : public WindowTexts {};

// Each window opens wholly on the map editor's screen, and the function
// keys bring the windows forward from the map editor.
TEST_P(WindowPlaces, WindowsOpenOnTheScreenAndComeForwardByKey) {
    const QRect screen = windows.mapWindow().screen()->availableGeometry();
    // The map editor needs more than the test screen's 800 x 600; the others
    // fit it.
    for (QWidget* window : allWindows().mid(1))
        EXPECT_TRUE(screen.contains(window->geometry())) << window->objectName().toStdString();
    windows.assemblerWindow().hide();
    windows.mapWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.mapWindow()));
    QTest::keyClick(&windows.mapWindow(), Qt::Key_F3);
    EXPECT_TRUE(windows.assemblerWindow().isVisible());
    windows.tracerWindow().hide();
    QTest::keyClick(&windows.mapWindow(), Qt::Key_F4);
    EXPECT_TRUE(windows.tracerWindow().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Captions, WindowPlaces, ::testing::Values("en"));

} // namespace
