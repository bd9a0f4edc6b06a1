// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePrompter.h"
#include "MapEditor.h"
#include "TestFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class MapFilesTest : public ::testing::Test {
protected:
    MapFilesTest() {
        t.write("def/mpage.def", " 3\r\n");
        t.write("def/label.def", "X0.0\r\n");
        QDir().mkpath(t.path("PLC"));
        editor.start();
    }

    QString plc(const QString& name) const { return t.path("PLC/" + name); }
    LadderMap& map() { return editor.map(); }
    MapFiles& files() { return editor.mapFiles(); }

    TestFolder t;
    FakePrompter prompter;
    MapEditor editor{t.folder(), prompter};
    const QDateTime when{QDate(2009, 6, 20), QTime(10, 31, 5)};
};

TEST_F(MapFilesTest, SaveWithoutANameWritesPlcMapAndItsCompanion) {
    map().cell(0, 3) = {"no.bmp", "X0.1", "1", "\r\nX"};
    ASSERT_TRUE(files().save());
    // The question names the file and the folder it goes to.
    EXPECT_EQ(prompter.questions, QStringList({"Save Files ?\n\nPLC.MAP\nin " +
                                               QDir::toNativeSeparators(plc("")).chopped(1)}));
    EXPECT_EQ(files().fileName(), "PLC.MAP");
    EXPECT_EQ(TextFile::read(plc("PLC.MAP")).value(), "(0-3)  A=no.bmp B=X0.1 C=1 D=~X\r\n");
    EXPECT_EQ(TextFile::read(plc("PLC.CHR")).value(), "\r\nX0.0\r\n");
    editor.view().showPage(0); // the next page display heads the printed page
    EXPECT_EQ(editor.view().printPage().heading1, u"專案名稱 : PLC.MAP"_qs);
}

TEST_F(MapFilesTest, SaveNamesGetTheirExtensionOnce) {
    files().setFileName("pump");
    files().save();
    EXPECT_TRUE(QFileInfo::exists(plc("pump.MAP")));
    EXPECT_TRUE(QFileInfo::exists(plc("pump.CHR")));
    files().setFileName("tank.map");
    files().save();
    EXPECT_TRUE(QFileInfo::exists(plc("tank.map")));
    EXPECT_TRUE(QFileInfo::exists(plc("tank.CHR")));
    EXPECT_EQ(files().browser().files(), QStringList({"pump.MAP", "tank.map"}));
}

TEST_F(MapFilesTest, CancelChangesNothing) {
    prompter.answer = false;
    map().cell(0, 0).A = "no.bmp";
    EXPECT_FALSE(files().save());
    EXPECT_TRUE(files().browser().files().isEmpty());
    files().setFileName("x.MAP");
    files().loadByName();
    EXPECT_EQ(map().cell(0, 0).A, "no.bmp");
}

TEST_F(MapFilesTest, AFailedSaveIsReportedAndKeepsThePreviousFile) {
    files().setFileName("keep.MAP");
    map().cell(0, 0).A = "old.bmp";
    ASSERT_TRUE(files().save());
    map().cell(0, 0).A = "new.bmp";
    // A folder in the companion's place makes the second write fail, and a
    // folder that does not exist makes the first one fail.
    files().browser().setFolder(t.path("nowhere"));
    EXPECT_FALSE(files().save());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].startsWith("The map was not saved."));
    EXPECT_EQ(TextFile::read(plc("keep.MAP")).value(), "(0-0)  A=old.bmp B= C= D=\r\n");
}

TEST_F(MapFilesTest, SavedMapsLoadBackAndShowPageOne) {
    map().cell(0, 7) = {"no.bmp", "X0.7", "0", "\r\nX"};
    map().cell(2, 142) = {"out.bmp", "Y1", "1", "\r\nY"};
    map().cell(9, 1) = {"no.bmp", "beyond", "", ""};
    files().setFileName("ROUND.MAP");
    prompter.choice = 1; // page 10 holds an element: save as the slider says all the same
    ASSERT_TRUE(files().save());
    EXPECT_TRUE(prompter.questions.last().startsWith("Page 10 holds elements"));
    map().clr_map();
    editor.view().showPage(2);
    files().setFileName("ROUND");
    files().loadByName();
    EXPECT_EQ(files().fileName(), "ROUND.MAP");
    EXPECT_EQ(map().currentPage(), 0);
    EXPECT_EQ(map().cell(0, 7).B, "X0.7 ");
    EXPECT_EQ(map().cell(2, 142).A, "out.bmp ");
    EXPECT_EQ(map().cell(9, 1).B, "beyond"); // page 9 is out of use: neither saved nor cleared
    EXPECT_EQ(editor.view().cell(7).labelText, "X0.7 ");
    EXPECT_FALSE(editor.view().cell(7).labelOpaque);
}

TEST_F(MapFilesTest, AMistypedNameLeavesTheDrawingAndSaysSo) {
    map().cell(0, 0).A = "no.bmp";
    files().setFileName("missing.MAP");
    EXPECT_FALSE(files().load());
    EXPECT_EQ(map().cell(0, 0).A, "no.bmp");
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("missing.MAP"));
}

TEST_F(MapFilesTest, LoadingFromTheListWritesTheLog) {
    t.write("PLC/PUMP.MAP", "(0-0)  A=no.bmp B=P C= D=\r\n");
    files().setFileName("PUMP.MAP"); // the single click
    files().loadFromList("PUMP.MAP", when);
    EXPECT_EQ(map().cell(0, 0).B, "P ");
    EXPECT_EQ(TextFile::read(t.path("PLC/List.txt")).value(),
              "PUMP.MAP  <<<< 06-20-2009  10:31:05\r\n");

    files().loadFromList("notes.txt", when);
    EXPECT_EQ(files().fileName(), "");
    EXPECT_EQ(map().cell(0, 0).B, "P ");
    EXPECT_EQ(TextFile::read(t.path("PLC/List.txt"))->count("<<<<"), 2);
}

// A double click in the file list begins with a click, which names the file
// a save uses; answering Cancel to the load must not leave the save aimed at
// the file that was not loaded.
TEST_F(MapFilesTest, ACancelledLoadLeavesTheSaveWhereItWas) {
    t.write("PLC/LATCH.MAP", "(0-0)  A=no.bmp B=L C= D=\r\n");
    t.write("PLC/COUNTER.MAP", "(0-0)  A=no.bmp B=C C= D=\r\n");
    files().pickFromList("LATCH.MAP");
    files().loadFromList("LATCH.MAP", when);
    map().cell(0, 1).A = "out.bmp";

    files().pickFromList("COUNTER.MAP");
    prompter.answer = false;
    files().loadFromList("COUNTER.MAP", when);
    EXPECT_EQ(files().fileName(), "LATCH.MAP");
    prompter.answer = true;
    prompter.questions.clear();
    ASSERT_TRUE(files().save());
    EXPECT_EQ(prompter.questions.size(), 1); // the map's own file: no question of replacing
    EXPECT_TRUE(prompter.questions[0].contains("LATCH.MAP"));
    EXPECT_EQ(TextFile::read(plc("COUNTER.MAP")).value(), "(0-0)  A=no.bmp B=C C= D=\r\n");
    EXPECT_TRUE(TextFile::read(plc("LATCH.MAP"))->contains("out.bmp"));
}

TEST_F(MapFilesTest, SavingOverAnotherMapAsksFirst) {
    const QByteArray counter = "(0-0)  A=no.bmp B=C C= D=\r\n";
    t.write("PLC/COUNTER.MAP", counter);
    map().cell(0, 0).A = "out.bmp";
    files().pickFromList("COUNTER.MAP"); // a deliberate click: the name a save uses
    prompter.answers = {true, false};    // "Save Files ?" OK, replacing Cancel
    EXPECT_FALSE(files().save());
    ASSERT_EQ(prompter.questions.size(), 2);
    EXPECT_TRUE(prompter.questions[0].contains("COUNTER.MAP"));
    EXPECT_TRUE(prompter.questions[1].startsWith("COUNTER.MAP already exists"));
    EXPECT_EQ(TextFile::read(plc("COUNTER.MAP")).value(), counter);

    // Answered OK, the map replaces it; it is then the map on screen and the
    // next save asks only "Save Files ?".
    ASSERT_TRUE(files().save());
    EXPECT_EQ(prompter.questions.size(), 4);
    EXPECT_TRUE(TextFile::read(plc("COUNTER.MAP"))->contains("out.bmp"));
    EXPECT_TRUE(files().save());
    EXPECT_EQ(prompter.questions.size(), 5);
}

TEST_F(MapFilesTest, HistoryPicksTheNameAfterTheCaret) {
    files().setFileName("A.MAP");
    files().loadFromList("none", when);
    files().setFileName("B.MAP");
    files().loadFromList("none", when);
    const QString history = files().history();
    EXPECT_EQ(history, "A.MAP  <<<< 06-20-2009  10:31:05\r\nB.MAP  <<<< 06-20-2009  10:31:05\r\n");
    files().pickFromHistory(history, history.indexOf("B.MAP"));
    EXPECT_EQ(files().fileName(), "B.MAP");
    files().pickFromHistory(history, 0);
    EXPECT_EQ(files().fileName(), "A.MAP");
    files().pickFromHistory(history, history.size() - 3); // no ".MAP" follows
    EXPECT_EQ(files().fileName(), "A.MAP");
}

TEST_F(MapFilesTest, ProductsPointTheFileListAtTheirFolders) {
    EXPECT_EQ(files().browser().folder(), t.path("PLC"));
    editor.chooseProduct(2);
    EXPECT_EQ(files().browser().folder(), t.path("DBL"));
    EXPECT_TRUE(files().browser().places().contains(QDir::homePath()));
}

} // namespace
