#include "PrintCommand.h"

#include "CommandStart.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "MapFile.h"
#include "MapInput.h"
#include "MapPdf.h"
#include "PageView.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "ProgramFolderOption.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {

struct Options {
    QString programDir;
    int page = 1;
    bool all = false;
    bool coordinates = false;
    QString mapFile;
    QString pdfFile;
};

QString parse(const QStringList& args, Options& options, bool& help) {
    bool pageGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"-h" || arg == u"--help") {
            help = true;
        } else if (arg == u"--all") {
            options.all = true;
        } else if (arg == u"--coordinates") {
            options.coordinates = true;
        } else if (arg == u"-C" || arg == u"--page") {
            if (i + 1 >= args.size()) return arg + QStringLiteral(" needs a value");
            const QString value = args[++i];
            if (arg == u"-C") {
                options.programDir = value;
                continue;
            }
            bool ok = false;
            options.page = value.toInt(&ok);
            pageGiven = true;
            if (!ok || options.page < 1 || options.page > LadderMap::Pages)
                return QStringLiteral("--page takes a number from 1 to 22, not ") + value;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return QStringLiteral("unknown option ") + arg;
        } else if (options.mapFile.isEmpty()) {
            options.mapFile = arg;
        } else if (options.pdfFile.isEmpty()) {
            options.pdfFile = arg;
        } else {
            return QStringLiteral("a map file and a PDF file only, not also ") + arg;
        }
    }
    if (pageGiven && options.all) return QStringLiteral("--page or --all, not both");
    if (!help && options.pdfFile.isEmpty())
        return QStringLiteral("a map file and a PDF file are needed");
    return {};
}

// The pages up to the last one that holds anything, at least the pages in use.
int pagesHoldingCells(const LadderMap& map) {
    for (int page = LadderMap::Pages - 1; page >= map.pagesInUse(); --page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell)
            if (!MapFile::isBlank(page, cell, map)) return page + 1;
    return map.pagesInUse();
}

} // namespace

const char* PrintCommand::usage() {
    return "usage: obelc print [-C PROGRAM_DIR] [--page N | --all] [--coordinates] MAPFILE "
           "OUT.pdf\n"
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
           "  -h, --help      this text\n";
}

int PrintCommand::main(int argc, char* argv[]) {
    return MapPdf::headless(argc, argv, [](const QStringList& arguments) {
        QCoreApplication::setApplicationName(QStringLiteral("Obel"));
        QTextStream out(stdout), err(stderr);
        return run(arguments.mid(2), out, err);
    });
}

int PrintCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    bool help = false;
    const QString usageError = parse(args, options, help);
    if (const auto status = CommandStart::afterParse("print", usageError, help, usage(), out, err))
        return *status;

    const QString root = ProgramFolderOption::resolve(options.programDir, err);
    if (root.isEmpty()) return 1;
    const ProgramFolder folder(root);
    ElementCatalogue catalogue;
    LadderMap map;
    if (!MapInput::load(folder, options.mapFile, 0, catalogue, map, err)) return 1;
    map.setPagesInUse(
        std::max(options.all ? pagesHoldingCells(map) : options.page, map.pagesInUse()));

    Pictures pictures(folder);
    PageView view(map, catalogue, pictures);
    view.initialise();
    view.setProjectName(QFileInfo(options.mapFile).fileName());
    view.setCoordinateLines(options.coordinates);
    const int first = options.all ? 0 : options.page - 1;
    const int last = options.all ? map.pagesInUse() - 1 : first;
    QString error;
    if (!MapPdf::write(
            map, view,
            {options.pdfFile, QFileInfo(options.mapFile).fileName(), first, last, options.all},
            &error)) {
        err << "obelc: cannot write " << (error.isEmpty() ? options.pdfFile : error) << "\n";
        return 1;
    }
    out << "printed " << (last - first + 1) << (last > first ? " pages" : " page") << " into "
        << options.pdfFile << "\n";
    return 0;
}
