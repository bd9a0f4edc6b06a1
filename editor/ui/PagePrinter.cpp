// SPDX-License-Identifier: GPL-3.0-or-later
#include "PagePrinter.h"

#include "Form2.h"
#include "Prompter.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
const QString Title = QStringLiteral("VantMAP");

bool isPicture(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == u"svg" || suffix == u"png";
}
} // namespace

PagePrinter::PagePrinter(Prompter& prompter, PdfChooser chooser)
    : prompter_(prompter), chooser_(std::move(chooser)) {}

PagePrinter::Outcome PagePrinter::print(const Form2& window) {
    if (!prompter_.confirm(Title, QStringLiteral("Print OK ?"))) return Outcome::Cancelled;

    QPrinter printer(QPrinter::HighResolution);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QString device;
    if (info.isNull()) {
        const QString file = chooser_(
            QStringLiteral("No printer is configured: save the page as a PDF, SVG or PNG file"),
            suggestedPdf_);
        if (file.isEmpty()) return Outcome::Cancelled;
        if (isPicture(file)) return savePicture(window, file);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        device = file;
    } else {
        printer.setPrinterName(info.printerName());
        device = QStringLiteral("the printer ") + info.printerName();
    }
    const QSize sheet = window.size();
    printer.setPageOrientation(sheet.width() > sheet.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    printer.setDocName(window.windowTitle());

    QPainter painter;
    bool ok = painter.begin(&printer);
    if (ok) {
        window.printOn(painter, QRectF(0, 0, printer.width(), printer.height()));
        ok = painter.end() && printer.printerState() != QPrinter::Error;
    }
    if (!ok) {
        prompter_.inform(
            Title, QStringLiteral("The page was not printed: %1 did not take it.").arg(device));
        return Outcome::Failed;
    }
    return Outcome::Printed;
}

PagePrinter::Outcome PagePrinter::savePicture(const Form2& window, const QString& file) {
    QString error;
    if (window.saveAsPicture(file, error)) return Outcome::Printed;
    prompter_.inform(Title, QStringLiteral("The page was not saved: %1: %2").arg(file, error));
    return Outcome::Failed;
}
