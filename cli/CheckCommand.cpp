// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckCommand.h"

#include "CommandStart.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "MapCheck.h"
#include "MapReading.h"
#include "ProgramFolder.h"
#include "ProgramFolderOption.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

constexpr int Trouble = 2;

QJsonObject asJson(const Finding& finding) {
    return QJsonObject{
        {"page", finding.page + 1},
        {"row", LadderMap::rowOf(finding.cell) + 1},
        {"column", LadderMap::columnOf(finding.cell) + 1},
        {"element", finding.element},
        {"label", finding.label},
        {"severity", finding.severityName()},
        {"message", finding.message},
    };
}

QString counted(int n, const char* what) {
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(what)).arg(n == 1 ? "" : "s");
}

} // namespace

const char* CheckCommand::usage() {
    return "usage: obelc check [-C PROGRAM_DIR] [--strict] [--json] MAPFILE\n"
           "\n"
           "Checks a ladder map before it reaches the controller, reading it as the\n"
           "conversion and the assembler will (the element templates, def/ps.def,\n"
           "def/Replace.def and the instruction set), and writes one line a finding:\n"
           "\n"
           "  MAPFILE:PAGE:ROW:COLUMN: error: register 9 is outside 0-7 for IN; ...\n"
           "\n"
           "An error: the controller would get something other than what the drawing\n"
           "says, or the assembler stops (an operand outside its field, missing or not\n"
           "a number, a word that is no instruction, a label that does not fit its\n"
           "element, a label placed twice). A warning: likely a mistake (an output set\n"
           "by two coils, a jump to a label no label element carries, an operand the\n"
           "instruction ignores). The pages the conversion converts are checked\n"
           "(def/mpage.def).\n"
           "\n"
           "  -C PROGRAM_DIR  the program folder (default: the one Obel uses)\n"
           "  --strict        a warning fails the check too\n"
           "  --json          the findings as JSON for tools: {\"map\", \"errors\",\n"
           "                  \"warnings\", \"findings\": [{\"page\", \"row\", \"column\",\n"
           "                  \"element\", \"label\", \"severity\", \"message\"}]}, counted\n"
           "                  from 1\n"
           "  -h, --help      this text\n"
           "\n"
           "Exit status: 0 nothing found or only warnings, 1 an error (--strict: or a\n"
           "warning), 2 bad usage or a map or program folder that cannot be read.\n";
}

int CheckCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    MapReading::Arguments arguments;
    const QString usageError = MapReading::parse(
        args, {QStringLiteral("--json"), QStringLiteral("--strict")}, 1, arguments);
    if (const auto status =
            CommandStart::afterParse("check", usageError, arguments.help, usage(), out, err))
        return *status;
    ElementCatalogue catalogue;
    LadderMap map;
    const QString& mapFile = arguments.maps[0];
    if (!MapReading::load(arguments.programDir, mapFile, catalogue, map, err)) return Trouble;
    const QString root = ProgramFolderOption::resolve(arguments.programDir, err);
    const QList<Finding> findings = MapCheck::run(map, catalogue, ProgramFolder(root));
    const int errors = MapCheck::errors(findings);
    const int warnings = int(findings.size()) - errors;

    if (arguments.flags.contains(u"--json")) {
        QJsonArray list;
        for (const Finding& finding : findings)
            list << asJson(finding);
        out << QJsonDocument(QJsonObject{{"map", mapFile},
                                         {"errors", errors},
                                         {"warnings", warnings},
                                         {"findings", list}})
                   .toJson();
    } else {
        for (const Finding& finding : findings)
            out << finding.line(mapFile) << "\n";
    }
    out.flush();
    err << "obelc: " << mapFile << ": " << counted(errors, "error") << ", "
        << counted(warnings, "warning") << "\n";
    const bool strict = arguments.flags.contains(u"--strict");
    return errors > 0 || (strict && warnings > 0) ? 1 : 0;
}
