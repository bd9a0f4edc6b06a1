#include "MapInput.h"

#include "DefinitionFiles.h"
#include "ElementCatalogue.h"
#include "LadderMap.h"
#include "MapFile.h"

#include <QFile>
#include <QTextStream>

bool MapInput::load(const ProgramFolder& folder, const QString& mapFile, int pages,
                    ElementCatalogue& catalogue, LadderMap& map, QTextStream& err) {
    const DefinitionFiles files(folder);
    files.loadTemplates(catalogue);
    files.loadPaletteBitmaps(catalogue);

    map.setPagesInUse(pages ? pages : files.readPageCount().value_or(1));
    QFile file(mapFile);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "obelc: cannot read " << mapFile << ": " << file.errorString() << "\n";
        return false;
    }
    map.clr_map();
    MapFile::read(file, map);
    return true;
}
