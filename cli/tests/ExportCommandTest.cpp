// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObelcFixture.h"
#include "TextFile.h"

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>

#include <cstdlib>

namespace {

class ExportCommandTest : public ObelcTest {
protected:
    // Pages 1 and 3 with different elements and labels.
    QString pumpMap() {
        const QString map = dir.filePath("PUMP.MAP");
        TextFile::writeLines(map,
                             {"(0-0)  A=no.bmp B=0,3 C=1 D=", "(0-1)  A=out.bmp B=1,5 C=1 D=",
                              "(0-11)  A=nc.bmp B=2,7 C=1 D=", "(0-21)  A=end.bmp B= C=1 D=",
                              "(2-22)  A=goto.bmp B=7 C=1 D=", "(2-30)  A=mgr.bmp B=5,100 C=1 D="});
        return map;
    }
    // Every text of an SVG file, as an XML parser reads it.
    static QStringList svgTexts(const QString& file) {
        QFile svg(file);
        EXPECT_TRUE(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        QStringList texts;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        return texts;
    }
    // The blocks of 8 by 8 pixels whose mean grey differs clearly between
    // picture and the part of paper it covers, picture centred across and at
    // the given top: blocks absorb the smoothing of edges that differs.
    static int differingBlocks(const QImage& picture, const QImage& paper, int top) {
        const int left = (paper.width() - picture.width()) / 2, side = 8;
        int differing = 0;
        for (int by = 0; by + side <= picture.height(); by += side)
            for (int bx = 0; bx + side <= picture.width(); bx += side) {
                int sum = 0;
                for (int y = by; y < by + side; ++y)
                    for (int x = bx; x < bx + side; ++x)
                        sum += qGray(picture.pixel(x, y)) - qGray(paper.pixel(left + x, top + y));
                if (std::abs(sum) > 40 * side * side) ++differing;
            }
        return differing;
    }
};

TEST_F(ExportCommandTest, SvgKeepsEveryLabelAsText) {
    const QString svg = dir.filePath("p1.svg");
    const Outcome run = obelc({"export", "-C", folder(), pumpMap(), svg});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList texts = svgTexts(svg);
    for (const QString label : {"0,3", "1,5", "2,7", "PLC MAP"})
        EXPECT_TRUE(texts.contains(label))
            << label.toStdString() << " in " << texts.join('|').toStdString();
    // The heading's Chinese and Latin parts are runs of their own.
    EXPECT_TRUE(texts.contains(u"專案名稱"_qs) && texts.contains("PUMP.MAP"))
        << texts.join('|').toStdString();
    EXPECT_FALSE(texts.contains("5,100")) << "a label of page 3";

    const Outcome all = obelc({"export", "-C", folder(), "--all", pumpMap(), svg});
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_TRUE(svgTexts(dir.filePath("p1-3.svg")).contains("5,100"));
    EXPECT_TRUE(QFile::exists(dir.filePath("p1-1.svg")) && QFile::exists(dir.filePath("p1-2.svg")));
}

TEST_F(ExportCommandTest, PngIsThePageAsThePdfPrintsIt) {
    const QString pdf = dir.filePath("p.pdf"), png = dir.filePath("p1.png"),
                  other = dir.filePath("p3.png");
    ASSERT_EQ(obelc({"print", "-C", folder(), pumpMap(), pdf}).status, 0);
    ASSERT_EQ(obelc({"export", "-C", folder(), "--dpi", "100", pumpMap(), png}).status, 0);
    ASSERT_EQ(
        obelc({"export", "-C", folder(), "--dpi", "100", "--page", "3", pumpMap(), other}).status,
        0);
    QProcess render;
    render.start("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, dir.filePath("paper")});
    ASSERT_TRUE(render.waitForFinished(30000) && render.exitCode() == 0);
    const QImage paper(dir.filePath("paper.png")), picture(png), page3(other);
    ASSERT_FALSE(paper.isNull() || picture.isNull());
    EXPECT_NEAR(picture.dotsPerMeterX() * 0.0254, 100, 0.5);
    // The sheet fills the paper's height within its margins of 10 points.
    const int top = 100 * 10 / 72;
    EXPECT_NEAR(picture.height(), paper.height() - 2 * top, 2);
    const int same = differingBlocks(picture, paper, top),
              unlike = differingBlocks(page3, paper, top);
    EXPECT_LE(same, 2) << "of " << picture.width() * picture.height() / 64;
    EXPECT_GE(unlike, 20) << "another page is not alike";
}

TEST_F(ExportCommandTest, BadUsageAndFilesThatFail) {
    EXPECT_EQ(obelc({"export", "A.MAP", "a.gif"}).status, 2);
    EXPECT_EQ(obelc({"export", "--format", "jpg", "A.MAP", "a.svg"}).status, 2);
    EXPECT_EQ(obelc({"export", "--dpi", "5", "A.MAP", "a.png"}).status, 2);
    const QString unwritable = dir.filePath("no folder/a.png");
    const Outcome failed = obelc({"export", "-C", folder(), pumpMap(), unwritable});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.err.contains("cannot write " + unwritable)) << failed.err.toStdString();
}

} // namespace
