// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiffCommand.h"

#include "CommandStart.h"
#include "ElementCatalogue.h"
#include "MapComparison.h"
#include "MapReading.h"
#include "MapText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

constexpr int Trouble = 2;

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

// "label "0,0" -> "0,2"" for one changed field.
QString fieldChange(const QString& field, const MapComparison::Change& change,
                    const ElementCatalogue& catalogue) {
    const CellRecord &before = change.before, &after = change.after;
    if (field == u"element")
        return QStringLiteral("element %1 -> %2")
            .arg(MapText::element(before.A, catalogue), MapText::element(after.A, catalogue));
    if (field == u"label")
        return QStringLiteral("label %1 -> %2").arg(quoted(before.B), quoted(after.B));
    if (field == u"mark")
        return QStringLiteral("mark %1 -> %2").arg(quoted(before.C), quoted(after.C));
    return QStringLiteral("template %1 -> %2%3")
        .arg(quoted(before.D), quoted(after.D),
             change.templateRefreshed ? QStringLiteral(" (the catalogue's refresh)") : QString());
}

QString asText(const MapComparison::Change& change, const ElementCatalogue& catalogue) {
    QString what;
    switch (change.kind) {
    case MapComparison::Kind::Added:
        what = MapText::describe(change.after, catalogue);
        break;
    case MapComparison::Kind::Removed:
        what = MapText::describe(change.before, catalogue);
        break;
    case MapComparison::Kind::Changed:
        QStringList parts;
        for (const QString& field : change.fields)
            parts << fieldChange(field, change, catalogue);
        what = parts.join(QStringLiteral("; "));
        break;
    }
    return QStringLiteral("%1: %2 %3\n")
        .arg(MapText::place(change.page, change.cell),
             QString::fromLatin1(MapComparison::kindName(change.kind)), what);
}

QJsonValue cellJson(const CellRecord& cell, bool present) {
    if (!present) return QJsonValue::Null;
    return QJsonObject{
        {"element", cell.A}, {"label", cell.B}, {"mark", cell.C}, {"template", cell.D}};
}

QJsonObject asJson(const MapComparison::Change& change) {
    return QJsonObject{
        {"page", change.page + 1},
        {"row", LadderMap::rowOf(change.cell) + 1},
        {"column", LadderMap::columnOf(change.cell) + 1},
        {"change", QString::fromLatin1(MapComparison::kindName(change.kind))},
        {"old", cellJson(change.before, change.kind != MapComparison::Kind::Added)},
        {"new", cellJson(change.after, change.kind != MapComparison::Kind::Removed)},
        {"fields", QJsonArray::fromStringList(change.fields)},
        {"templateRefreshed", change.templateRefreshed},
    };
}

} // namespace

const char* DiffCommand::usage() {
    return "usage: obelc diff [-C PROGRAM_DIR] [--json] OLD.MAP NEW.MAP\n"
           "\n"
           "Compares two maps cell by cell and writes the cells added, removed and\n"
           "changed (element, label, mark, template), in the order of page, row and\n"
           "column. A template that changed to the catalogue's template of the same\n"
           "element is marked \"(the catalogue's refresh)\": Obel refreshes templates\n"
           "when it shows a page, so a map saved again after the catalogue changed\n"
           "differs there without an edit.\n"
           "\n"
           "  -C PROGRAM_DIR  the program folder, for the catalogue (default: the one\n"
           "                  Obel uses)\n"
           "  --json          the changes as JSON for tools: {\"old\", \"new\", \"changes\":\n"
           "                  [{\"page\", \"row\", \"column\", \"change\", \"old\", \"new\",\n"
           "                  \"fields\", \"templateRefreshed\"}]}, counted from 1\n"
           "  -h, --help      this text\n"
           "\n"
           "Exit status, as diff's: 0 the maps are equal, 1 they differ, 2 trouble\n"
           "(bad usage, a map or the program folder that cannot be read).\n";
}

int DiffCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    MapReading::Arguments arguments;
    const QString usageError = MapReading::parse(args, {QStringLiteral("--json")}, 2, arguments);
    if (const auto status =
            CommandStart::afterParse("diff", usageError, arguments.help, usage(), out, err))
        return *status;
    ElementCatalogue catalogue;
    LadderMap before, after;
    if (!MapReading::load(arguments.programDir, arguments.maps[0], catalogue, before, err) ||
        !MapReading::load(arguments.programDir, arguments.maps[1], catalogue, after, err))
        return Trouble;
    const QList<MapComparison::Change> changes = MapComparison::compare(before, after, catalogue);
    if (arguments.flags.contains(u"--json")) {
        QJsonArray list;
        for (const MapComparison::Change& change : changes)
            list << asJson(change);
        out << QJsonDocument(QJsonObject{{"old", arguments.maps[0]},
                                         {"new", arguments.maps[1]},
                                         {"changes", list}})
                   .toJson();
    } else {
        for (const MapComparison::Change& change : changes)
            out << asText(change, catalogue);
    }
    return changes.isEmpty() ? 0 : 1;
}
