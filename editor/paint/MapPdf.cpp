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

bool MapPdf::write(const LadderMap& map, PageView& view, const Request& request, QString* error) {
    PictureCache cache;
    const PrintSheet sheet(cache);
    // Drawn in memory and saved whole, as every other file.
    QBuffer drawn;
    drawn.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&drawn);
    pdf.setTitle(QStringLiteral("norvette-c  PLC  PRINT ") + request.mapName);
    pdf.setCreator(QStringLiteral("Obel"));
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    // A painter on a buffer fails only for want of memory.
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
    return painter.end() && TextFile::writeBytes(request.file, drawn.data(), error);
}

int MapPdf::headless(int argc, char* argv[],
                     const std::function<int(const QStringList& arguments)>& work) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return work(QGuiApplication::arguments());
}
