// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendPainter.h"

#include "TestFolder.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr qint64 T0 = 1'765'000'000'000;

// Whether any pixel of column x between top and bottom has the colour.
bool columnHas(const QImage& image, int x, double top, double bottom, const QColor& colour) {
    for (int y = int(top); y <= int(bottom); ++y)
        if (image.pixelColor(x, y) == colour) return true;
    return false;
}

} // namespace

// Cell 1's bit 0 is 1, 1, missing, 1 at polls one second apart: the step
// runs at the lane's top, and over the missing poll no line is drawn.
TEST(TrendPainterTest, ABitRunsHighAndBreaksOverAMissingPoll) {
    TrendLog log;
    for (int s = 0; s < 4; ++s)
        if (s == 2)
            log.addGap(T0 + 1000 * s, 16);
        else
            log.addAnswer(T0 + 1000 * s, 16, QByteArray("\x00\x01", 2));
    TrendPicture picture{&log, {TrendTrace{1, 0}}, {"RUN.0"}, T0, T0 + 3500, false, {}};
    QImage image(600, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    const TrendPainter trend(picture, QRectF(0, 0, 600, 300), painter.font());
    trend.paint(painter);
    painter.end();

    const QColor line = TrendPainter::colour(0);
    const QRectF plot = trend.plot();
    const int between = int(trend.xAt(T0 + 500)), inGap = int(trend.xAt(T0 + 2500));
    EXPECT_TRUE(columnHas(image, between, plot.top(), plot.center().y(), line))
        << "high, in the upper half of its lane";
    EXPECT_FALSE(columnHas(image, between, plot.center().y(), plot.bottom(), line));
    EXPECT_FALSE(columnHas(image, inGap, plot.top(), plot.bottom(), line))
        << "a missing poll is no value, not a zero";
    EXPECT_EQ(trend.timeAt(trend.xAt(T0 + 1500)), T0 + 1500);
}

TEST(TrendPainterTest, ThePngFileIsThePictureAndAnUnwritablePathSaysWhy) {
    TrendLog log;
    log.addAnswer(T0, 16, QByteArray(16, '\x10'));
    log.addAnswer(T0 + 1000, 16, QByteArray(16, '\x80'));
    const TrendPicture picture{&log, {TrendTrace{0}}, {"COUNT"}, T0, T0 + 2000, true, T0 + 500};
    TestFolder scratch;
    QString error;
    ASSERT_TRUE(TrendPainter::writePng(scratch.path("t.png"), picture, {500, 250}, &error));
    QImage drawn(500, 250, QImage::Format_RGB32);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        TrendPainter(picture, QRectF(0, 0, 500, 250), painter.font()).paint(painter);
    }
    EXPECT_EQ(QImage(scratch.path("t.png")).convertToFormat(QImage::Format_RGB32), drawn);
    EXPECT_FALSE(
        TrendPainter::writeSvg(scratch.path("no/such/t.svg"), picture, {500, 250}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(TrendPainter::valueText(0x1F, true), "0x1F");
}
