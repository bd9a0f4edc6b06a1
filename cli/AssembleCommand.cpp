// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssembleCommand.h"

#include "ArgReader.h"

#include "Assmber.h"
#include "CommandStart.h"
#include "ProgramFolder.h"
#include "ProgramFolderOption.h"
#include "SourceInput.h"
#include "TerminalText.h"

#include <QTextStream>

namespace {

struct Options {
    QString programDir;
    QString mapName;
    bool macros = false;
    bool listing = false;
    bool map = false;
    QString source;
};

// Parses the arguments after "assemble"; an empty error means success.
QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (ArgReader::isHelp(arg))
            help = true;
        else if (arg == u"-C")
            options.programDir = reader.value();
        else if (arg == u"--name")
            options.mapName = reader.value();
        else if (arg == u"--macros")
            options.macros = true;
        else if (arg == u"--listing")
            options.listing = true;
        else if (arg == u"--map")
            options.map = true;
        else
            reader.fail(SourceInput::takeName(arg, options.source));
    }
    reader.fail(Assmber::mapNameProblem(options.mapName));
    reader.fail(SourceInput::named(options.source, help));
    return reader.error();
}

} // namespace

const char* AssembleCommand::usage() {
    return "usage: obelc assemble [-C PROGRAM_DIR] [--name MAPNAME] [--macros] [--listing] "
           "[--map]\n"
           "                      SOURCE|-\n"
           "\n"
           "Prepares SOURCE (a file, or - for stdin) with def/Replace.def and assembles it\n"
           "as Obel's assembler does without a controller. Prints the code image text.\n"
           "\n"
           "  -C PROGRAM_DIR  the program folder (default: the one Obel uses)\n"
           "  --name MAPNAME  the map's name: writes plc/NAME.BIN and mac/MAPNAME\n"
           "                  (without it no file is written)\n"
           "  --macros        load the macro blocks the source calls from MACRO/ (the\n"
           "                  \"WR\" switch of the assembler window: with a controller)\n"
           "  --listing       print the listing instead of the code image\n"
           "  --map           print the program map instead of the code image\n"
           "  -h, --help      this text\n"
           "\n"
           "On an assembly error stderr gets SOURCE:LINE: error: REASON and the report\n"
           "the assembler window shows, and the status is 1. On a terminal the output\n"
           "has LF line ends and control characters shown escaped.\n";
}

int AssembleCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    if (const auto status =
            CommandStart::parse("assemble", usage(), args, options, parse, out, err))
        return *status;
    const QString root = ProgramFolderOption::resolve(options.programDir, err);
    if (root.isEmpty()) return 1;
    const auto source = SourceInput::read(options.source, err);
    if (!source) return 1;

    const ProgramFolder folder(root);
    Assmber assmber(folder);
    assmber.setWithController(options.macros);
    assmber.setMapName(options.mapName);
    const bool ok = assmber.runWithoutController(*source);
    QString warnings;
    for (const QString& skipped : assmber.skippedReplacements())
        warnings +=
            "obelc: def/Replace.def " + skipped + " is not FIND [REPLACEMENT]; passed over\n";
    TerminalText::print(err, warnings);
    if (!ok) {
        // The line editors and terminals take you to, then the window's report.
        const QString sourceName =
            options.source == u"-" ? QStringLiteral("<stdin>") : options.source;
        TerminalText::print(err, QStringLiteral("%1:%2: error: %3\n%4\n")
                                     .arg(sourceName)
                                     .arg(assmber.errorLine())
                                     .arg(assmber.errorReason(), assmber.message()));
        return 1;
    }
    if (options.listing) TerminalText::print(out, assmber.listing());
    if (options.map) TerminalText::print(out, assmber.programMap());
    if (!options.listing && !options.map) TerminalText::print(out, assmber.code());
    out.flush();
    for (const QString& fileError : assmber.fileErrors())
        err << "obelc: cannot write " << fileError << "\n";
    return assmber.fileErrors().isEmpty() ? 0 : 1;
}
