// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapReading.h"

#include "DefinitionFiles.h"
#include "MapInput.h"
#include "ProgramFolder.h"
#include "ProgramFolderOption.h"

QString MapReading::parse(const QStringList& args, const QStringList& allowedFlags, int mapCount,
                          Arguments& arguments) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"-h" || arg == u"--help") {
            arguments.help = true;
        } else if (arg == u"-C") {
            if (i + 1 >= args.size()) return QStringLiteral("-C needs a value");
            arguments.programDir = args[++i];
        } else if (allowedFlags.contains(arg)) {
            arguments.flags << arg;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return QStringLiteral("unknown option ") + arg;
        } else {
            arguments.maps << arg;
        }
    }
    if (arguments.help || arguments.maps.size() == mapCount) return {};
    return mapCount == 1 ? QStringLiteral("one map file is needed")
                         : QStringLiteral("%1 map files are needed").arg(mapCount);
}

bool MapReading::load(const QString& programDir, const QString& mapFile,
                      ElementCatalogue& catalogue, LadderMap& map, QTextStream& err) {
    const QString root = ProgramFolderOption::resolve(programDir, err);
    if (root.isEmpty()) return false;
    const ProgramFolder folder(root);
    if (!MapInput::load(folder, mapFile, 0, catalogue, map, err)) return false;
    DefinitionFiles(folder).loadNames(catalogue);
    return true;
}
