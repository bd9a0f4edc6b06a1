// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The saves the save-under-faults test puts in harm's way, each through the
// writer the program uses, in two versions that differ all through: the
// map file with its companion, a definition file (the label list, a
// template) and a source file. `version` 0 and 1 are what a save loop
// alternates; the file on disk must always be one of them whole.

#include "DefinitionFiles.h"
#include "FakePrompter.h"
#include "LadderMap.h"
#include "MapEditor.h"
#include "ProgramFolder.h"
#include "SourceFile.h"

#include <QDir>
#include <QStringList>

namespace savekinds {

inline const QStringList Kinds{"map", "labels", "template", "source"};

// The file each kind saves, under the program folder.
inline QString fileOf(const QString& kind) {
    if (kind == u"map") return QStringLiteral("PLC/BIG.MAP");
    if (kind == u"labels") return QStringLiteral("def/label.def");
    if (kind == u"template") return QStringLiteral("def/map3.def");
    return QStringLiteral("plc/BIG.plc");
}

// Lines of the version's text, `lines` of them.
inline QString text(int version, int lines) {
    QString out;
    for (int i = 0; i < lines; ++i)
        out += QStringLiteral("v%1 line %2 %3\r\n")
                   .arg(version)
                   .arg(i)
                   .arg(QString(40, QChar(u'a' + version)));
    return out;
}

// Every cell of every page filled: some 2,800 lines a map.
inline void fill(LadderMap& map, int version) {
    map.setPagesInUse(LadderMap::Pages);
    for (int page = 0; page < LadderMap::Pages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell)
            map.cell(page, cell) = {version ? QStringLiteral("nc.bmp") : QStringLiteral("no.bmp"),
                                    QStringLiteral("%1,%2").arg(version).arg(cell),
                                    {},
                                    QStringLiteral("\r\nIN,#1")};
}

// Saves the kind's version `version` with `lines` lines of text; false and
// error when the save failed.
class Saver {
public:
    explicit Saver(const QString& root) : folder_(root), editor_(folder_, prompter_) {
        QDir(root).mkpath(QStringLiteral("PLC"));
        QDir(root).mkpath(QStringLiteral("def"));
        QDir(root).mkpath(QStringLiteral("plc"));
        editor_.start();
        editor_.mapFiles().setFileName(QStringLiteral("BIG.MAP"));
    }
    bool save(const QString& kind, int version, int lines, QString* error) {
        const DefinitionFiles files(folder_);
        if (kind == u"labels") return files.writeLabels(text(version, lines), error);
        if (kind == u"template") return files.writeTemplate(3, text(version, lines), error);
        if (kind == u"source")
            return SourceFile::save(folder_.path(fileOf(kind)), text(version, lines), error);
        fill(editor_.map(), version);
        prompter_.messages.clear();
        const bool saved = editor_.mapFiles().save();
        if (!saved && error) *error = prompter_.messages.value(0);
        return saved;
    }
    const ProgramFolder& folder() const { return folder_; }

private:
    ProgramFolder folder_;
    FakePrompter prompter_;
    MapEditor editor_;
};

} // namespace savekinds
