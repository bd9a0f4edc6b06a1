// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditHistory.h"
#include "FakePrompter.h"
#include "LadderMap.h"
#include "MapFiles.h"
#include "ProgramFolder.h"
#include "ShippedFolder.h"
#include "SingleInstance.h"
#include "StartRequests.h"
#include "Windows.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The running Obel is this test's windows; a later start is the real program
// with the same runtime folder, started in the map's folder with its name.
class SecondStart : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(instance.isFirst());
        windows.start();
        StartRequests::serve(instance, windows.mapWindow(), windows.editor());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.mapWindow()));
    }

    // Starts `Obel arguments` in the folder PLC and waits for its end.
    int startObel(const QStringList& arguments) {
        QProcess later;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        later.setProcessEnvironment(env);
        later.setWorkingDirectory(shipped.path("PLC"));
        later.start(OBEL_EXECUTABLE, arguments);
        // The answer needs this event loop: wait in it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return later.state() == QProcess::NotRunning; }, 20000));
        return later.exitCode();
    }

    QTemporaryDir runtime;
    // The lock the real program takes: same user, display and program folder.
    SingleInstance instance{runtime.filePath(SingleInstance::lockName(
        "offscreen", QFileInfo(QStringLiteral(OBEL_EXECUTABLE)).absolutePath()))};
    ShippedFolder shipped;
    ProgramFolder folder{shipped.path()};
    FakePrompter prompter;
    Windows windows{folder, prompter};
};

TEST_F(SecondStart, BringsTheRunningWindowToTheFrontAndOpensTheMapThere) {
    Form1& window = windows.mapWindow();
    window.showMinimized();
    EXPECT_EQ(startObel({}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 5000));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(windows.editor().mapFiles().fileName().isEmpty()) << "no map was named";

    EXPECT_EQ(startObel({"LATCH.MAP"}), 0);
    MapFiles& files = windows.editor().mapFiles();
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.fileName() == "LATCH.MAP"; }, 5000));
    EXPECT_EQ(QDir(files.browser().folder()), QDir(shipped.path("PLC")));
    EXPECT_EQ(windows.editor().map().cell(0, 0).A.trimmed(), "no.bmp");
    EXPECT_FALSE(windows.editor().history().modified());
    // The load is an edit like any other: it can be taken back.
    EXPECT_TRUE(windows.editor().history().canUndo());
}

TEST_F(SecondStart, UnsavedChangesAreAskedAboutBeforeAMapReplacesThem) {
    MapEditor& editor = windows.editor();
    {
        const EditHistory::Edit edit(editor.history(), "draw");
        editor.map().cell(0, 5).A = "out.bmp";
    }
    prompter.choice = 2; // Cancel
    EXPECT_FALSE(StartRequests::openMap(editor, shipped.path("PLC/LATCH.MAP")));
    EXPECT_EQ(editor.map().cell(0, 5).A, "out.bmp");
    EXPECT_EQ(prompter.questions.size(), 1);
    prompter.choice = 1; // Discard
    EXPECT_TRUE(StartRequests::openMap(editor, shipped.path("PLC/LATCH.MAP")));
    EXPECT_EQ(editor.map().cell(0, 0).A.trimmed(), "no.bmp");
}

} // namespace
