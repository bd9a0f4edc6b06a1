// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <optional>

class ElementCatalogue;
class ProgramFolder;

// The catalogue and settings files under def\ of the program folder. A file
// that is missing or unreadable leaves what it would have filled as it was.
class DefinitionFiles {
public:
    explicit DefinitionFiles(const ProgramFolder& folder) : folder_(folder) {}

    static QString templatePath(int slot);

    // Every template from def\mapK.def, each line with CR LF in front; a
    // missing file is an empty template.
    void loadTemplates(ElementCatalogue& catalogue) const;
    // Line k of def\mapbk.def names slot k's bitmap (shown and looked up).
    // Returns the number of slots it named.
    int loadPaletteBitmaps(ElementCatalogue& catalogue) const;
    // Item k of def\NAME.TXT names slot k (the palette's tooltips). In
    // English, def\NAME_en.TXT where the folder has it.
    void setEnglishNames(bool english) { englishNames_ = english; }
    void loadNames(ElementCatalogue& catalogue) const;
    // The lines of def\label.def.
    QStringList loadLabels() const;
    // The numeric value of the first line of def\mpage.def.
    std::optional<int> readPageCount() const;
    // " 5" and CR LF, the way the page slider always stored it.
    bool writePageCount(int pages, QString* error) const;

    // The writers of the element definition editor, each atomic.
    bool writeTemplate(int slot, const QString& text, QString* error) const;
    bool writePaletteBitmaps(const ElementCatalogue& catalogue, QString* error) const;
    bool writeNames(const ElementCatalogue& catalogue, QString* error) const;
    bool writeLabels(const QString& text, QString* error) const;

    // Of the files the conversion reads (def\mapbk.def, def\ps.def, the
    // templates of the slots up to lastSlot that the palette names, and
    // def\mpage.def when the page count comes from it), those that are
    // missing or cannot be read.
    QStringList unreadableForConversion(const ElementCatalogue& catalogue, int lastSlot,
                                        bool pageCount) const;

private:
    std::optional<QString> read(const QString& relative) const;
    QString namesFile() const;

    const ProgramFolder& folder_;
    bool englishNames_ = false;
};
