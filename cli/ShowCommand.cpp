// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowCommand.h"

#include "CommandStart.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "MapReading.h"
#include "MapText.h"

#include <QTextStream>

const char* ShowCommand::usage() {
    return "usage: obelc show [-C PROGRAM_DIR] MAPFILE\n"
           "\n"
           "Writes MAPFILE as readable text: page by page, and on a page rung by rung\n"
           "(a row with the rows its branches reach below it), a line a cell with its\n"
           "row, column, element and the catalogue's name for it, and its label; a\n"
           "branch that goes down, a mark other than 1 or 0 and a template other than\n"
           "the catalogue's are said. The same map always gives the same text, so git\n"
           "can show changes of maps through it:\n"
           "\n"
           "  echo '*.[Mm][Aa][Pp] diff=obelmap' >> .gitattributes\n"
           "  git config diff.obelmap.textconv 'obelc show'\n"
           "\n"
           "  -C PROGRAM_DIR  the program folder, for the catalogue (default: the one\n"
           "                  Obel uses)\n"
           "  -h, --help      this text\n";
}

int ShowCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    MapReading::Arguments arguments;
    const QString usageError = MapReading::parse(args, {}, 1, arguments);
    if (const auto status =
            CommandStart::afterParse("show", usageError, arguments.help, usage(), out, err))
        return *status;
    ElementCatalogue catalogue;
    LadderMap map;
    if (!MapReading::load(arguments.programDir, arguments.maps[0], catalogue, map, err)) return 1;
    out << MapText::show(map, catalogue);
    return 0;
}
