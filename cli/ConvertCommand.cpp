// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConvertCommand.h"

#include "ArgReader.h"

#include "CommandStart.h"
#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "LadderToText.h"
#include "MapInput.h"
#include "ProgramFolder.h"
#include "ProgramFolderOption.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

struct Options {
    QString programDir;
    int pages = 0; // 0: from def/mpage.def
    QString mapFile;
};

// Parses the arguments after "convert"; an empty error means success.
QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (ArgReader::isHelp(arg)) {
            help = true;
        } else if (arg == u"-C") {
            options.programDir = reader.value();
        } else if (arg == u"--pages") {
            const QString value = reader.value();
            bool ok = false;
            options.pages = value.toInt(&ok);
            if (!ok || options.pages < 1 || options.pages > LadderMap::Pages)
                reader.fail(QStringLiteral("--pages takes a number from 1 to 22, not ") + value);
        } else if (ArgReader::isOption(arg)) {
            reader.fail(QStringLiteral("unknown option ") + arg);
        } else if (options.mapFile.isEmpty()) {
            options.mapFile = arg;
        } else {
            reader.fail(QStringLiteral("one map file only, not also ") + arg);
        }
    }
    if (!help && options.mapFile.isEmpty()) reader.fail(QStringLiteral("no map file given"));
    return reader.error();
}

} // namespace

const char* ConvertCommand::usage() {
    return "usage: obelc convert [-C PROGRAM_DIR] [--pages N] MAPFILE\n"
           "\n"
           "Converts a ladder map into instruction text as Obel's conversion does:\n"
           "loads the element catalogue of the program folder, loads MAPFILE, writes\n"
           "the .hrim file (named after MAPFILE) into the program folder's plc folder\n"
           "and prints the instruction text.\n"
           "\n"
           "  -C PROGRAM_DIR  the program folder (default: the one Obel uses)\n"
           "  --pages N       pages in use, 1 to 22 (default: def/mpage.def)\n"
           "  -h, --help      this text\n";
}

int ConvertCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    if (const auto status = CommandStart::parse("convert", usage(), args, options, parse, out, err))
        return *status;

    const QString root = ProgramFolderOption::resolve(options.programDir, err);
    if (root.isEmpty()) return 1;
    const ProgramFolder folder(root);
    ElementCatalogue catalogue;
    LadderMap map;
    if (!MapInput::load(folder, options.mapFile, options.pages, catalogue, map, err)) return 1;
    // The window converts without a word about them; here they are named.
    for (QString file : DefinitionFiles(folder).unreadableForConversion(
             catalogue, ElementCatalogue::LastConvertedSlot, options.pages == 0))
        err << "obelc: warning: " << file.replace(u'\\', u'/')
            << " is missing or cannot be read; the text may be wrong\n";

    const auto result =
        LadderToText::text_prs(map, catalogue, QFileInfo(options.mapFile).fileName(), folder);
    out << result.text;
    out.flush();
    if (!result.saved) {
        err << "obelc: cannot write " << result.error << "\n";
        return 1;
    }
    return 0;
}
