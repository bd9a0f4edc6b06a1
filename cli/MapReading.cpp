#include "MapReading.h"

#include "ArgReader.h"

#include "DefinitionFiles.h"
#include "MapInput.h"
#include "ProgramFolder.h"
#include "ProgramFolderOption.h"

QString MapReading::parse(const QStringList& args, const QStringList& allowedFlags, int mapCount,
                          Arguments& arguments) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (ArgReader::isHelp(arg))
            arguments.help = true;
        else if (arg == u"-C")
            arguments.programDir = reader.value();
        else if (allowedFlags.contains(arg))
            arguments.flags << arg;
        else if (ArgReader::isOption(arg))
            reader.fail(QStringLiteral("unknown option ") + arg);
        else
            arguments.maps << arg;
    }
    if (!reader.error().isEmpty() || arguments.help || arguments.maps.size() == mapCount)
        return reader.error();
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
