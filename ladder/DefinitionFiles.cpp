// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionFiles.h"

#include "ElementCatalogue.h"
#include "ItemReader.h"
#include "LineReader.h"
#include "NumericText.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QFileInfo>

#include <limits>

QString DefinitionFiles::templatePath(int slot) {
    return QStringLiteral("def\\map%1.def").arg(slot);
}

std::optional<QString> DefinitionFiles::read(const QString& relative) const {
    return TextFile::read(folder_.path(relative));
}

QStringList DefinitionFiles::unreadableForConversion(const ElementCatalogue& catalogue,
                                                     int lastSlot, bool pageCount) const {
    QStringList files{QStringLiteral("def\\mapbk.def"), QStringLiteral("def\\ps.def")};
    if (pageCount) files << QStringLiteral("def\\mpage.def");
    for (int slot = 0; slot <= lastSlot; ++slot)
        if (!catalogue.paletteBitmap(slot).trimmed().isEmpty()) files << templatePath(slot);
    QStringList unreadable;
    for (const QString& file : files)
        if (!read(file)) unreadable << file;
    return unreadable;
}

void DefinitionFiles::loadTemplates(ElementCatalogue& catalogue) const {
    for (int slot = 0; slot < ElementCatalogue::Slots; ++slot) {
        QString text;
        if (const auto file = read(templatePath(slot)))
            for (const QString& line : LineReader::lines(*file))
                text += QStringLiteral("\r\n") + line;
        catalogue.setTemplate(slot, text);
    }
}

int DefinitionFiles::loadPaletteBitmaps(ElementCatalogue& catalogue) const {
    const auto file = read(QStringLiteral("def\\mapbk.def"));
    if (!file) return 0;
    const QStringList lines = LineReader::lines(*file);
    const int count = std::min<int>(lines.size(), ElementCatalogue::Slots);
    for (int slot = 0; slot < count; ++slot) {
        catalogue.setSlotBitmap(slot, lines[slot]);
        catalogue.setPaletteBitmap(slot, lines[slot]);
    }
    return count;
}

QString DefinitionFiles::namesFile() const {
    const QString english = QStringLiteral("def\\NAME_en.TXT");
    return englishNames_ && QFileInfo::exists(folder_.path(english))
               ? english
               : QStringLiteral("def\\NAME.TXT");
}

void DefinitionFiles::loadNames(ElementCatalogue& catalogue) const {
    const auto file = read(namesFile());
    if (!file) return;
    const QStringList items = ItemReader::items(*file);
    const int count = std::min<int>(items.size(), ElementCatalogue::Slots);
    for (int slot = 0; slot < count; ++slot)
        catalogue.setName(slot, items[slot]);
}

QStringList DefinitionFiles::loadLabels() const {
    const auto file = read(QStringLiteral("def\\label.def"));
    return file ? LineReader::lines(*file) : QStringList();
}

std::optional<int> DefinitionFiles::readPageCount() const {
    const auto file = read(QStringLiteral("def\\mpage.def"));
    if (!file) return std::nullopt;
    const QStringList lines = LineReader::lines(*file);
    if (lines.isEmpty()) return std::nullopt;
    const double value = NumericText::value(lines.first());
    if (value < 1 || value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

bool DefinitionFiles::writePageCount(int pages, QString* error) const {
    const QString line = (pages >= 0 ? QStringLiteral(" ") : QString()) + QString::number(pages);
    return TextFile::writeLines(folder_.path(QStringLiteral("def\\mpage.def")), {line}, error);
}

bool DefinitionFiles::writeTemplate(int slot, const QString& text, QString* error) const {
    return TextFile::write(folder_.path(templatePath(slot)), text + QStringLiteral("\r\n"), error);
}

bool DefinitionFiles::writePaletteBitmaps(const ElementCatalogue& catalogue, QString* error) const {
    QStringList lines;
    for (int slot = 0; slot < ElementCatalogue::Slots; ++slot)
        lines << catalogue.slotBitmap(slot);
    return TextFile::writeLines(folder_.path(QStringLiteral("def\\mapbk.def")), lines, error);
}

bool DefinitionFiles::writeNames(const ElementCatalogue& catalogue, QString* error) const {
    QStringList lines;
    for (int slot = 0; slot < ElementCatalogue::Slots; ++slot)
        lines << catalogue.name(slot);
    return TextFile::writeLines(folder_.path(namesFile()), lines, error);
}

bool DefinitionFiles::writeLabels(const QString& text, QString* error) const {
    return TextFile::write(folder_.path(QStringLiteral("def\\label.def")),
                           text.isEmpty() ? text : text + QStringLiteral("\r\n"), error);
}
