// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObelcFixture.h"
#include "TextFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

class CheckCommandTest : public ObelcTest {
protected:
    // A copy of LATCH.MAP with one text replaced.
    QString latchWith(const QString& name, const QString& from, const QString& to) {
        QString text = *TextFile::read(folder() + "/PLC/LATCH.MAP");
        EXPECT_TRUE(text.contains(from));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(TextFile::write(path, text.replace(from, to)));
        return path;
    }
    Outcome check(const QStringList& args) {
        return obelc(QStringList{"check", "-C", folder()} + args);
    }
};

TEST_F(CheckCommandTest, ExitsByWhatItFindsAndSaysSoOnALineAFinding) {
    const Outcome clean = check({folder() + "/PLC/LATCH.MAP"});
    EXPECT_EQ(clean.status, 0) << clean.err.toStdString();
    EXPECT_EQ(clean.out, "");
    EXPECT_TRUE(clean.err.endsWith("LATCH.MAP: 0 errors, 0 warnings\n")) << clean.err.toStdString();

    const QString wrong = latchWith("WRONG.MAP", "B=0,0 C=1", "B=9,3 C=1");
    const Outcome error = check({wrong});
    EXPECT_EQ(error.status, 1);
    EXPECT_EQ(error.out, wrong + ":1:1:1: error: register 9 is outside 0\u20137 for IN; the "
                                 "controller would run OR,1,3 instead (C9 03)\n");

    // A second rung sets the motor's output again.
    const QString last = "(0-16)  A=line8.bmp B= C=1 D=~%";
    const QString twice = latchWith("TWICE.MAP", last,
                                    last + "\r\n(0-33)  A=no.bmp B=0,2 C=1 D=~X,\r\n"
                                           "(0-34)  A=out.bmp B=1,0 C=1 D=~*OUT,");
    const Outcome warned = check({twice});
    EXPECT_EQ(warned.status, 0) << warned.out.toStdString();
    EXPECT_EQ(warned.out.count(": warning: output 1,0 is also set at "), 2)
        << warned.out.toStdString();
    EXPECT_EQ(check({"--strict", twice}).status, 1);

    const Outcome json = check({"--json", wrong});
    EXPECT_EQ(json.status, 1);
    const QJsonObject report = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(report["errors"].toInt(), 1);
    const QJsonObject finding = report["findings"].toArray()[0].toObject();
    EXPECT_EQ(finding["row"].toInt(), 1);
    EXPECT_EQ(finding["element"].toString(), "no.bmp");
    EXPECT_EQ(finding["severity"].toString(), "error");

    for (const QStringList& bad :
         {QStringList{}, QStringList{"--fast", wrong}, QStringList{wrong, wrong},
          QStringList{dir.filePath("none.MAP")}})
        EXPECT_EQ(check(bad).status, 2) << bad.join(' ').toStdString();
}

} // namespace
