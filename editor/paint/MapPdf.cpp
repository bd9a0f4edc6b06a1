// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapPdf.h"

#include "CrossReference.h"
#include "CrossReferencePrint.h"
#include "LadderMap.h"
#include "PageView.h"
#include "PictureCache.h"
#include "PrintSheet.h"
#include "TextFile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

QPageLayout MapPdf::pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Point);
}

// Drawn in memory and saved whole, as every other file.
bool MapPdf::write(const LadderMap& map, PageView& view, const Request& request, QString* error) {
    QBuffer drawn;
    drawn.open(QIODevice::WriteOnly);
    return draw(map, view, request, drawn) &&
           TextFile::writeBytes(request.file, drawn.data(), error);
}

bool MapPdf::draw(const LadderMap& map, PageView& view, const Request& request, QIODevice& file) {
    PictureCache cache;
    const PrintSheet sheet(cache);
    QPdfWriter pdf(&file);
    pdf.setTitle(QStringLiteral("norvette-c  PLC  PRINT ") + request.mapName);
    pdf.setCreator(QStringLiteral("Obel"));
    pdf.setResolution(300);
    pdf.setPageLayout(pageLayout());
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    for (int page = request.firstPage; page <= request.lastPage; ++page) {
        if (page != request.firstPage) pdf.newPage();
        view.showPage(page);
        sheet.paintScaled(painter, QRectF(0, 0, pdf.width(), pdf.height()), view.printPage());
    }
    if (request.crossReference) {
        pdf.setPageOrientation(QPageLayout::Portrait);
        CrossReferencePrint::paint(painter, pdf,
                                   QStringLiteral("Cross-reference of ") + request.mapName,
                                   CrossReference::build(map, map.pagesInUse()));
    }
    return painter.end();
}

int MapPdf::headless(int argc, char* argv[],
                     const std::function<int(const QStringList& arguments)>& work) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return work(QGuiApplication::arguments());
}
