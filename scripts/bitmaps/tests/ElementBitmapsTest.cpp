// SPDX-License-Identifier: GPL-3.0-or-later
#include <QColor>
#include <QImage>
#include <QList>

#include <gtest/gtest.h>

namespace {

// The bars of a contact are the columns that are line from top to bottom of
// the contact (rows 8 to 26); the marking between them must leave the column
// inside each bar clear, or it runs into the bar.
struct Bars {
    int leftInner = -1, rightInner = -1;
};

bool isBarColumn(const QImage& image, int x, QRgb background) {
    for (int y = 8; y <= 26; ++y)
        if (image.pixel(x, y) == background || qGray(image.pixel(x, y)) > 160) return false;
    return true;
}

Bars barsOf(const QImage& image, QRgb fill) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (isBarColumn(image, x, fill)) columns << x;
    if (columns.isEmpty()) return {};
    Bars bars{columns.first() + 1, columns.last() - 1};
    while (columns.contains(bars.leftInner))
        ++bars.leftInner;
    while (columns.contains(bars.rightInner))
        --bars.rightInner;
    return bars;
}

bool columnClear(const QImage& image, int x, QRgb fill) {
    for (int y = 9; y <= 25; ++y)
        if (image.pixel(x, y) != fill) return false;
    return true;
}

TEST(ElementBitmaps, AContactsMarkingKeepsClearOfItsBarsInBothSets) {
    const QString root = qEnvironmentVariable("OBEL_TEST_PROGRAM_DIR");
    const struct {
        const char* folder;
        QRgb fill; // inside the contact
    } sets[] = {{"BMP", qRgb(255, 255, 255)}, {"BMP_T", qRgb(255, 244, 176)}};
    for (const auto& set : sets)
        for (const char* name : {"andm.bmp", "orm.bmp", "feg.bmp", "key.bmp", "keym.bmp"}) {
            const QString path = root + "/" + set.folder + "/" + name;
            const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(image.isNull()) << path.toStdString();
            const Bars bars = barsOf(image, set.fill);
            ASSERT_LT(bars.leftInner, bars.rightInner) << path.toStdString();
            EXPECT_TRUE(columnClear(image, bars.leftInner, set.fill)) << path.toStdString();
            EXPECT_TRUE(columnClear(image, bars.rightInner, set.fill)) << path.toStdString();
        }
}

} // namespace
