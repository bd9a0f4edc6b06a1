#include "MapTab.h"

#include "ItemReader.h"
#include "ProgramFolder.h"
#include "TextFile.h"

QString MapTab::path(const ProgramFolder& folder) {
    return folder.path(QStringLiteral("def\\map.tab"));
}

QStringList MapTab::items(const ProgramFolder& folder, int max) {
    const auto text = TextFile::read(path(folder));
    if (!text) return {};
    QStringList named;
    for (const QString& item : ItemReader::items(*text)) {
        if (named.size() >= max || !item.contains(u'#')) break;
        named << item;
    }
    return named;
}

QString MapTab::caption(const QString& item) {
    return item.section(u'#', 0, 0).trimmed();
}
