// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "CaptionFile.h"
#include "TestFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using Outcome = CommandLine::Outcome;

// The caption file Obel reads, started with these arguments on this desktop.
QString captionFileOf(const QStringList& arguments, const char* desktop) {
    TestFolder t;
    t.write("fun_name1.txt", "中文\r\n");
    t.write("fun_name1_en.txt", "English\r\n");
    const CommandLine::Result line =
        CommandLine::parse(QStringList{"Obel"} + arguments, QLocale(desktop));
    EXPECT_EQ(line.outcome, Outcome::Run);
    return QFileInfo(CaptionFile::fileFor(t.folder(), line.captionLanguage)).fileName();
}

TEST(CommandLine, TheDesktopsLanguageChoosesTheCaptionsUnlessTheOptionDoes) {
    EXPECT_EQ(captionFileOf({}, "zh_TW"), "fun_name1.txt");
    EXPECT_EQ(captionFileOf({}, "zh_CN"), "fun_name1.txt");
    EXPECT_EQ(captionFileOf({}, "en_US"), "fun_name1_en.txt");
    EXPECT_EQ(captionFileOf({}, "de_DE"), "fun_name1_en.txt");
    EXPECT_EQ(captionFileOf({"--captions", "en"}, "zh_TW"), "fun_name1_en.txt");
    EXPECT_EQ(captionFileOf({"--captions=zh"}, "en_US"), "fun_name1.txt");
}

TEST(CommandLine, VersionHelpAndMistakes) {
    const QLocale desktop("en_US");
    const CommandLine::Result version = CommandLine::parse({"Obel", "--version"}, desktop);
    EXPECT_EQ(version.outcome, Outcome::Version);
    EXPECT_TRUE(version.text.startsWith("Obel " OBEL_VERSION)) << version.text.toStdString();
    EXPECT_EQ(CommandLine::parse({"Obel", "-h"}, desktop).outcome, Outcome::Help);
    const CommandLine::Result map = CommandLine::parse({"Obel", "PLC/LATCH.MAP"}, desktop);
    EXPECT_EQ(map.outcome, Outcome::Run);
    EXPECT_EQ(map.mapFile, "PLC/LATCH.MAP");
    EXPECT_EQ(CommandLine::parse({"Obel"}, desktop).mapFile, "");
    for (const QStringList& bad : {QStringList{"Obel", "--captions"}, QStringList{"Obel", "--fast"},
                                   QStringList{"Obel", "A.MAP", "B.MAP"}}) {
        const CommandLine::Result line = CommandLine::parse(bad, desktop);
        EXPECT_EQ(line.outcome, Outcome::Error) << bad.join(' ').toStdString();
        EXPECT_TRUE(line.text.contains("usage: Obel")) << line.text.toStdString();
    }
}

} // namespace
