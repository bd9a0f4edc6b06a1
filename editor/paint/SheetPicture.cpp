#include "SheetPicture.h"

#include "MapPdf.h"
#include "PrintSheet.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

bool commit(QSaveFile& out, bool drawn, QString& error) {
    if (drawn && out.commit()) return true;
    error = out.errorString();
    if (error.isEmpty()) error = QStringLiteral("the drawing failed");
    out.cancelWriting();
    return false;
}

} // namespace

QSize SheetPicture::printedSize(int dotsPerInch) {
    const QRectF paper = MapPdf::pageLayout().paintRect(QPageLayout::Inch);
    const QSize sheet = PrintSheet::size();
    const double inchesPerPixel =
        std::min(paper.width() / sheet.width(), paper.height() / sheet.height());
    return {int(std::lround(sheet.width() * inchesPerPixel * dotsPerInch)),
            int(std::lround(sheet.height() * inchesPerPixel * dotsPerInch))};
}

bool SheetPicture::writeSvg(const QString& file, const PrintPage& page, const QString& title,
                            QString& error) const {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return commit(out, false, error);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(PrintSheet::size());
    svg.setViewBox(QRect(QPoint(), PrintSheet::size()));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Obel"));
    QPainter painter;
    const bool drawn = painter.begin(&svg);
    if (drawn) sheet_.paint(painter, page);
    return commit(out, drawn && painter.end(), error);
}

bool SheetPicture::writePng(const QString& file, const PrintPage& page, int dotsPerInch,
                            QString& error) const {
    QImage image(printedSize(dotsPerInch), QImage::Format_RGB32);
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
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return commit(out, false, error);
    return commit(out, image.save(&out, "PNG"), error);
}
