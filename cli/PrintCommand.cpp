// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCommand.h"

#include "CommandStart.h"
#include "DrawnPages.h"
#include "MapPdf.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

struct Options {
    DrawnPages::Options pages;
    QString mapFile;
    QString pdfFile;
};

QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (ArgReader::isHelp(arg))
            help = true;
        else if (DrawnPages::takeOption(reader, arg, options.pages))
            continue;
        else if (ArgReader::isOption(arg))
            reader.fail(QStringLiteral("unknown option ") + arg);
        else if (options.mapFile.isEmpty())
            options.mapFile = arg;
        else if (options.pdfFile.isEmpty())
            options.pdfFile = arg;
        else
            reader.fail(QStringLiteral("a map file and a PDF file only, not also ") + arg);
    }
    reader.fail(DrawnPages::conflict(options.pages));
    if (!help && options.pdfFile.isEmpty())
        reader.fail(QStringLiteral("a map file and a PDF file are needed"));
    return reader.error();
}

} // namespace

const char* PrintCommand::usage() {
    return "usage: obelc print [-C PROGRAM_DIR] [--page N | --all] [--coordinates] [--marks]\n"
           "                   MAPFILE OUT.pdf\n"
           "\n"
           "Draws Obel's print window for a page of MAPFILE into the PDF file OUT.pdf,\n"
           "as grid button 2 prints it: the project and page headings over the grid.\n"
           "\n"
           "  -C PROGRAM_DIR  the program folder (default: the one Obel uses)\n"
           "  --page N        the page, 1 to 22 (default 1)\n"
           "  --all           every page in use (def/mpage.def, or further while pages\n"
           "                  hold cells), then a cross-reference: each label with the\n"
           "                  pages and rows that use it, register,bit labels of\n"
           "                  contacts and coils grouped by register\n"
           "  --coordinates   draw the coordinate lines through the columns and rows\n"
           "  --marks         mark the cells with findings of obelc check, red for an\n"
           "                  error and orange for a warning\n"
           "  -h, --help      this text\n";
}

int PrintCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    if (const auto status = CommandStart::parse("print", usage(), args, options, parse, out, err))
        return *status;

    DrawnPages pages;
    if (!pages.load(options.pages, options.mapFile, err)) return 1;
    const int first = pages.firstPage(), last = pages.lastPage();
    QString error;
    if (!MapPdf::write(pages.map(), pages.view(),
                       {options.pdfFile, QFileInfo(options.mapFile).fileName(), first, last,
                        options.pages.all},
                       &error)) {
        err << "obelc: cannot write " << (error.isEmpty() ? options.pdfFile : error) << "\n";
        return 1;
    }
    out << "printed " << (last - first + 1) << (last > first ? " pages" : " page") << " into "
        << options.pdfFile << "\n";
    return 0;
}
