// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObelcFixture.h"
#include "TextFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

class MapTextCommandsTest : public ObelcTest {
protected:
    QString sample(const QString& name) const { return folder() + "/PLC/" + name; }
    // A copy of a sample with one text replaced.
    QString edited(const QString& name, const QString& from, const QString& to) {
        QString text = *TextFile::read(sample(name));
        EXPECT_TRUE(text.contains(from)) << from.toStdString();
        const QString path = dir.filePath("edited-" + name);
        EXPECT_TRUE(TextFile::write(path, text.replace(from, to)));
        return path;
    }
    Outcome run(const QString& command, const QStringList& args) {
        return obelc(QStringList{command, "-C", folder()} + args);
    }
    static Outcome git(const QString& repo, const QStringList& args) {
        QProcess process;
        process.setWorkingDirectory(repo);
        process.start("git",
                      QStringList{"-c", "user.name=Obel", "-c", "user.email=obel@test"} + args);
        process.waitForFinished(30000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
};

TEST_F(MapTextCommandsTest, EverySampleShowsStablyAndEqualsItself) {
    for (const QString name : {"LATCH.MAP", "MOVE.MAP", "COUNTER.MAP"}) {
        const Outcome shown = run("show", {sample(name)});
        ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
        EXPECT_TRUE(shown.out.startsWith("page 1\n  rung at row 1\n    row 1 column 1: no.bmp "))
            << shown.out.toStdString();
        EXPECT_EQ(run("show", {sample(name)}).out, shown.out) << name.toStdString();

        const Outcome same = run("diff", {sample(name), sample(name)});
        EXPECT_EQ(same.status, 0) << same.err.toStdString();
        EXPECT_EQ(same.out, "");
        const Outcome json = run("diff", {"--json", sample(name), sample(name)});
        EXPECT_EQ(json.status, 0);
        EXPECT_TRUE(QJsonDocument::fromJson(json.out.toUtf8())["changes"].toArray().isEmpty());
    }
    // The latch's parallel contact hangs on the rung above: one rung, two rows.
    const QString latch = run("show", {sample("LATCH.MAP")}).out;
    EXPECT_EQ(latch.count("rung at row"), 1);
    EXPECT_TRUE(latch.contains("    row 2 column 5: orm.bmp ")) << latch.toStdString();
    EXPECT_TRUE(latch.contains(", label 1,0\n")) << latch.toStdString();
}

TEST_F(MapTextCommandsTest, DiffTellsEachChangeAndExitsOneWhenMapsDiffer) {
    const QString label = edited("LATCH.MAP", "(0-0)  A=no.bmp B=0,0", "(0-0)  A=no.bmp B=0,6");
    const Outcome text = run("diff", {sample("LATCH.MAP"), label});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.out, "page 1 row 1 column 1: changed label \"0,0\" -> \"0,6\"\n");

    const QString added =
        edited("COUNTER.MAP", "(0-22)", "(21-142)  A=nc.bmp B=0,9 C=1 D=~/X,\r\n(0-22)");
    const Outcome json = run("diff", {"--json", sample("COUNTER.MAP"), added});
    EXPECT_EQ(json.status, 1);
    const QJsonArray changes = QJsonDocument::fromJson(json.out.toUtf8())["changes"].toArray();
    ASSERT_EQ(changes.size(), 1) << json.out.toStdString();
    const QJsonObject change = changes[0].toObject();
    EXPECT_EQ(change["change"], "added");
    EXPECT_EQ(change["page"], 22);
    EXPECT_EQ(change["row"], 13);
    EXPECT_EQ(change["column"], 11);
    EXPECT_TRUE(change["old"].isNull());
    EXPECT_EQ(change["new"]["label"], "0,9");
}

TEST_F(MapTextCommandsTest, ATemplateTheCatalogueRefreshedIsSaidToBeSo) {
    // The shipped catalogue gives the coil "*OUT,"; an older map held "OUT,".
    const QString older = edited("LATCH.MAP", "D=~*OUT,", "D=~OUT,");
    const Outcome refreshed = run("diff", {older, sample("LATCH.MAP")});
    EXPECT_EQ(refreshed.status, 1);
    EXPECT_EQ(refreshed.out, "page 1 row 1 column 10: changed template \"~OUT,\" -> \"~*OUT,\" "
                             "(the catalogue's refresh)\n");
    const Outcome edit = run("diff", {sample("LATCH.MAP"), older});
    EXPECT_FALSE(edit.out.contains("refresh")) << "the other way round it is an edit";
    EXPECT_TRUE(run("show", {older}).out.contains("template \"~OUT,\""));
}

TEST_F(MapTextCommandsTest, TroubleIsTwoForDiff) {
    EXPECT_EQ(run("diff", {sample("LATCH.MAP")}).status, 2);
    EXPECT_EQ(run("diff", {sample("LATCH.MAP"), dir.filePath("NONE.MAP")}).status, 2);
    EXPECT_EQ(run("diff", {"--xml", sample("LATCH.MAP"), sample("LATCH.MAP")}).status, 2);
    EXPECT_EQ(run("show", {dir.filePath("NONE.MAP")}).status, 1);
    EXPECT_EQ(run("show", {}).status, 2);
}

TEST_F(MapTextCommandsTest, GitShowsAChangedLabelThroughTheTextconvDriver) {
    const QString repo = dir.filePath("repo");
    ASSERT_TRUE(QDir().mkpath(repo));
    ASSERT_EQ(git(repo, {"init", "-q"}).status, 0);
    ASSERT_TRUE(TextFile::write(repo + "/.gitattributes", "*.[Mm][Aa][Pp] diff=obelmap\n"));
    ASSERT_EQ(git(repo, {"config", "diff.obelmap.textconv",
                         QString("'%1' show -C '%2'").arg(OBELC, folder())})
                  .status,
              0);
    ASSERT_TRUE(QFile::copy(sample("LATCH.MAP"), repo + "/LATCH.MAP"));
    ASSERT_EQ(git(repo, {"add", "."}).status, 0);
    ASSERT_EQ(git(repo, {"commit", "-q", "-m", "latch"}).status, 0);
    QFile::remove(repo + "/LATCH.MAP");
    QFile::copy(edited("LATCH.MAP", "(0-0)  A=no.bmp B=0,0", "(0-0)  A=no.bmp B=0,6"),
                repo + "/LATCH.MAP");

    const Outcome diff = git(repo, {"diff"});
    ASSERT_EQ(diff.status, 0) << diff.err.toStdString();
    const QStringList lines = diff.out.split('\n');
    const auto changed = [&](const QString& sign, const QString& label) {
        for (const QString& line : lines)
            if (line.startsWith(sign + "    row 1 column 1: no.bmp ") &&
                line.endsWith(", label " + label))
                return true;
        return false;
    };
    EXPECT_TRUE(changed("-", "0,0") && changed("+", "0,6")) << diff.out.toStdString();
    EXPECT_FALSE(diff.out.contains("A=no.bmp")) << "the map's own lines stay out of sight";
}

} // namespace
