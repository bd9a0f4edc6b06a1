// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapTab.h"

#include "ItemReader.h"
#include "ProgramFolder.h"
#include "TextFile.h"

QString MapTab::path(const ProgramFolder& folder) {
    return folder.path(QStringLiteral("def\\map.tab"));
}

// A name is shown in a cell's label and a CSV heading: a control character
// in it (a damaged file) shows as U+FFFD, never as itself.
QStringList MapTab::items(const ProgramFolder& folder, int max) {
    const auto text = TextFile::read(path(folder));
    if (!text) return {};
    QStringList named;
    for (QString item : ItemReader::items(*text)) {
        if (named.size() >= max || !item.contains(u'#')) break;
        for (QChar& c : item)
            if (!c.isPrint() && c != u' ') c = QChar::ReplacementCharacter;
        named << item;
    }
    return named;
}

QString MapTab::caption(const QString& item) {
    return item.section(u'#', 0, 0).trimmed();
}
