// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportCommand.h"

#include "CommandStart.h"
#include "DrawnPages.h"
#include "PageView.h"
#include "PictureCache.h"
#include "PrintSheet.h"
#include "SheetPicture.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

struct Options {
    DrawnPages::Options pages;
    QString format;
    int dotsPerInch = 150;
    QString mapFile;
    QString outFile;
};

QString takeValue(const QString& arg, const QString& value, Options& options) {
    if (arg == u"--format") {
        options.format = value.toLower();
        return options.format == u"svg" || options.format == u"png"
                   ? QString()
                   : QStringLiteral("--format takes svg or png, not ") + value;
    }
    bool ok = false;
    options.dotsPerInch = value.toInt(&ok);
    if (ok && options.dotsPerInch >= SheetPicture::LeastDotsPerInch &&
        options.dotsPerInch <= SheetPicture::MostDotsPerInch)
        return {};
    return QStringLiteral("--dpi takes a number from %1 to %2, not %3")
        .arg(SheetPicture::LeastDotsPerInch)
        .arg(SheetPicture::MostDotsPerInch)
        .arg(value);
}

QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (ArgReader::isHelp(arg)) {
            help = true;
        } else if (arg == u"--format" || arg == u"--dpi") {
            const QString value = reader.value();
            if (reader.error().isEmpty()) reader.fail(takeValue(arg, value, options));
        } else if (DrawnPages::takeOption(reader, arg, options.pages)) {
            continue;
        } else if (ArgReader::isOption(arg)) {
            reader.fail(QStringLiteral("unknown option ") + arg);
        } else if (options.mapFile.isEmpty()) {
            options.mapFile = arg;
        } else if (options.outFile.isEmpty()) {
            options.outFile = arg;
        } else {
            reader.fail(QStringLiteral("a map file and an output file only, not also ") + arg);
        }
    }
    if (!reader.error().isEmpty()) return reader.error();
    if (help) return {};
    if (const QString conflict = DrawnPages::conflict(options.pages); !conflict.isEmpty())
        return conflict;
    if (options.outFile.isEmpty())
        return QStringLiteral("a map file and an output file are needed");
    if (options.format.isEmpty()) options.format = QFileInfo(options.outFile).suffix().toLower();
    if (options.format != u"svg" && options.format != u"png")
        return QStringLiteral("--format svg or png, or an output file ending in .svg or .png");
    return {};
}

// With --all each page has a file of its own: out.svg gives out-1.svg, ...
QString pageFile(const QString& outFile, int page) {
    const QString suffix = QFileInfo(outFile).suffix();
    const QString numbered = QStringLiteral("-%1").arg(page + 1);
    if (suffix.isEmpty()) return outFile + numbered;
    return outFile.chopped(suffix.size() + 1) + numbered + u'.' + suffix;
}

} // namespace

const char* ExportCommand::usage() {
    return "usage: obelc export [-C PROGRAM_DIR] [--format svg|png] [--page N | --all]\n"
           "                    [--dpi N] [--coordinates] [--marks] MAPFILE OUT\n"
           "\n"
           "Draws Obel's print window for a page of MAPFILE into the picture file OUT,\n"
           "as obelc print draws it into a PDF: SVG, whose headings and labels stay\n"
           "text that can be searched and selected, or PNG, the sheet as large as it\n"
           "prints on the PDF's page.\n"
           "\n"
           "  -C PROGRAM_DIR   the program folder (default: the one Obel uses)\n"
           "  --format FORMAT  svg or png (default: OUT's extension)\n"
           "  --page N         the page, 1 to 22 (default 1)\n"
           "  --all            every page in use (def/mpage.def, or further while pages\n"
           "                   hold cells), each into a file of its own named with its\n"
           "                   page number before OUT's extension: out-1.svg, out-2.svg\n"
           "  --dpi N          the PNG's dots per inch, 10 to 600 (default 150)\n"
           "  --coordinates    draw the coordinate lines through the columns and rows\n"
           "  --marks          mark the cells with findings of obelc check, red for an\n"
           "                   error and orange for a warning\n"
           "  -h, --help       this text\n";
}

int ExportCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    if (const auto status = CommandStart::parse("export", usage(), args, options, parse, out, err))
        return *status;

    DrawnPages pages;
    if (!pages.load(options.pages, options.mapFile, err)) return 1;
    PictureCache cache;
    const PrintSheet sheet(cache);
    const SheetPicture picture(sheet);
    const QString mapName = QFileInfo(options.mapFile).fileName();
    for (int page = pages.firstPage(); page <= pages.lastPage(); ++page) {
        const QString file = options.pages.all ? pageFile(options.outFile, page) : options.outFile;
        pages.view().showPage(page);
        const PrintPage& drawn = pages.view().printPage();
        QString error;
        const bool written =
            options.format == u"svg"
                ? picture.writeSvg(
                      file, drawn,
                      QStringLiteral("%1 page %2").arg(mapName, QString::number(page + 1)), error)
                : picture.writePng(file, drawn, options.dotsPerInch, error);
        if (!written) {
            err << "obelc: cannot write " << file << ": " << error << "\n";
            return 1;
        }
        out << "exported page " << (page + 1) << " into " << file << "\n";
    }
    return 0;
}
