// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridPainter.h"
#include "MapPdf.h"
#include "ObelcFixture.h"
#include "PrintSheet.h"
#include "TextFile.h"

#include <QImage>

namespace {

class PrintCommandTest : public ObelcTest {
protected:
    // A map with labelled cells on pages 1 and 3.
    QString pumpMap() {
        const QString map = dir.filePath("PUMP.MAP");
        TextFile::writeLines(map,
                             {"(0-0)  A=no.bmp B=0,3 C=1 D=", "(0-1)  A=out.bmp B=1,5 C=1 D=",
                              "(2-22)  A=nc.bmp B=&H0,3 C=1 D=", "(2-24)  A=goto.bmp B=7 C=1 D="});
        return map;
    }
    static QString pdfText(const QString& pdf, const QStringList& pages = {}) {
        QProcess text;
        text.start("pdftotext", QStringList{"-layout"} + pages + QStringList{pdf, "-"});
        text.waitForFinished(20000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }
    static int pageCount(const QString& pdf) { return pdfText(pdf).count(u'\f'); }
    // The first page of a PDF as pdftoppm renders it.
    QImage rendered(const QString& pdf, int dpi) {
        const QString png = pdf.chopped(4);
        QProcess render;
        render.start("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", pdf, png});
        EXPECT_TRUE(render.waitForFinished(30000) && render.exitCode() == 0);
        return QImage(png + ".png").convertToFormat(QImage::Format_RGB32);
    }
    // Where a cell's picture lies on the paper: the sheet scaled into the
    // paper's margins, centred across and at the top.
    static QRect onPaper(int cell, int dpi) {
        const QRect paper = MapPdf::pageLayout().paintRectPixels(dpi);
        const QSize sheet = PrintSheet::size();
        const double scale = std::min(double(paper.width()) / sheet.width(),
                                      double(paper.height()) / sheet.height());
        const QRectF picture = GridPainter::pictureRect(cell).translated(PrintSheet::gridOrigin());
        const QPointF origin(paper.left() + (paper.width() - sheet.width() * scale) / 2,
                             paper.top());
        return QRectF(origin + picture.topLeft() * scale, picture.size() * scale).toAlignedRect();
    }
};

TEST_F(PrintCommandTest, APageIntoAPdfWithItsHeadings) {
    const QString pdf = dir.filePath("p3.pdf");
    const Outcome run = obelc({"print", "-C", folder(), "--page", "3", pumpMap(), pdf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString shown = pdfText(pdf);
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_TRUE(shown.contains(u"專案名稱 : PUMP.MAP"_qs)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"頁簽 : 3"_qs));
    EXPECT_TRUE(shown.contains("&H0,3") && !shown.contains("1,5")) << "page 3, not page 1";
}

TEST_F(PrintCommandTest, AllPagesAndTheCrossReferenceAfterThem) {
    const QString pdf = dir.filePath("all.pdf");
    const Outcome run = obelc({"print", "-C", folder(), "--all", pumpMap(), pdf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(pageCount(pdf), 4) << "the shipped folder has 3 pages in use";
    const QString index = pdfText(pdf, {"-f", "4", "-l", "4"}).simplified();
    EXPECT_TRUE(
        index.contains("Register 0 0,3 no nc page 1 row 1; page 3 row 29 Register 1 1,5 out "
                       "page 1 row 1 Other operands 7 goto page 3 row 29"))
        << index.toStdString();

    // A page beyond the pages in use that holds cells is printed too.
    TextFile::writeLines(dir.filePath("LATE.MAP"), {"(5-0)  A=no.bmp B=2,2 C=1 D="});
    ASSERT_EQ(obelc({"print", "-C", folder(), "--all", dir.filePath("LATE.MAP"), pdf}).status, 0);
    EXPECT_EQ(pageCount(pdf), 7);
}

// With --marks, the page differs from the one without only on the cell with
// a finding: the jump of page 3, which follows an empty cell in its row.
TEST_F(PrintCommandTest, MarksOnlyWhenAskedAndOnlyOnTheCellWithAFinding) {
    const QString plain = dir.filePath("plain.pdf"), marked = dir.filePath("marked.pdf");
    ASSERT_EQ(obelc({"print", "-C", folder(), "--page", "3", pumpMap(), plain}).status, 0);
    const Outcome run =
        obelc({"print", "-C", folder(), "--page", "3", "--marks", pumpMap(), marked});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const int dpi = 100;
    const QImage without = rendered(plain, dpi), with = rendered(marked, dpi);
    ASSERT_EQ(without.size(), with.size());
    QRect differing;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) differing |= QRect(x, y, 1, 1);
    const QRect cell = onPaper(LadderMap::cellAt(2, 2), dpi);
    ASSERT_FALSE(differing.isEmpty());
    EXPECT_TRUE(cell.adjusted(-2, -2, 2, 2).contains(differing))
        << "differs at " << differing.x() << "," << differing.y() << " " << differing.width() << "x"
        << differing.height() << "; the cell lies at " << cell.x() << "," << cell.y() << " "
        << cell.width() << "x" << cell.height();
    EXPECT_GT(differing.width() * differing.height(), cell.width() * cell.height() / 2);
}

TEST_F(PrintCommandTest, BadUsageAndFilesThatFail) {
    EXPECT_EQ(obelc({"print", "--page", "0", "A.MAP", "a.pdf"}).status, 2);
    EXPECT_EQ(obelc({"print", "--all", "--page", "2", "A.MAP", "a.pdf"}).status, 2);
    EXPECT_EQ(obelc({"print", "A.MAP"}).status, 2);
    EXPECT_EQ(
        obelc({"print", "-C", folder(), dir.filePath("NONE.MAP"), dir.filePath("a.pdf")}).status,
        1);
    const Outcome unwritable =
        obelc({"print", "-C", folder(), pumpMap(), dir.filePath("no folder/a.pdf")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.contains("cannot write")) << unwritable.err.toStdString();
}

} // namespace
