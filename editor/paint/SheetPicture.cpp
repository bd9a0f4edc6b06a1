// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetPicture.h"

#include "MapPdf.h"
#include "PrintSheet.h"
#include "TextFile.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

// Keeps the file only when a finished drawing reached every byte of it.
bool save(const QString& file, const QBuffer& drawing, bool drawn, QString& error) {
    if (drawn) return TextFile::writeBytes(file, drawing.data(), &error);
    error = QStringLiteral("the drawing failed");
    return false;
}

// How large a pixel of the sheet is on the PDF's page.
double inchesPerPixel() {
    const QRectF paper = MapPdf::pageLayout().paintRect(QPageLayout::Inch);
    const QSize sheet = PrintSheet::size();
    return std::min(paper.width() / sheet.width(), paper.height() / sheet.height());
}

} // namespace

QSize SheetPicture::printedSize(int dotsPerInch) {
    const QSize sheet = PrintSheet::size();
    return {int(std::lround(sheet.width() * inchesPerPixel() * dotsPerInch)),
            int(std::lround(sheet.height() * inchesPerPixel() * dotsPerInch))};
}

bool SheetPicture::writeSvg(const QString& file, const PrintPage& page, const QString& title,
                            QString& error) const {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(PrintSheet::size());
    svg.setViewBox(QRect(QPoint(), PrintSheet::size()));
    // Its width and height in millimetres: the sheet as large as it prints.
    svg.setResolution(int(std::lround(1 / inchesPerPixel())));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Obel"));
    QPainter painter;
    const bool drawn = painter.begin(&svg);
    if (drawn) sheet_.paint(painter, page);
    return save(file, out, drawn && painter.end(), error);
}

bool SheetPicture::writePng(const QString& file, const PrintPage& page, int dotsPerInch,
                            QString& error) const {
    QImage image(printedSize(dotsPerInch), QImage::Format_RGB32);
    if (image.isNull()) {
        error = QStringLiteral("no memory for a picture of %1 by %2 pixels")
                    .arg(printedSize(dotsPerInch).width())
                    .arg(printedSize(dotsPerInch).height());
        return false;
    }
    image.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        sheet_.paintScaled(painter, QRectF(QPointF(), image.size()), page);
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    return save(file, out, image.save(&out, "PNG"), error);
}
