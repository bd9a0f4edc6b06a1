// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class LadderMap;

// Where each operand label of a map is used, for printing beside the
// diagram. The register,bit labels of contacts, coils and the bit boxes are
// grouped by register, so every use of one bit is found under one entry
// whatever way its label was typed ("0,3", "0, 3", "&H0,3"); every other
// label is listed as typed.
class CrossReference {
public:
    struct Use {
        int page; // from 1
        int row;  // the row number the page shows beside the row
        bool operator==(const Use&) const = default;
    };
    struct Entry {
        QString label;
        QStringList elements; // the bitmap names, without ".bmp"
        QList<Use> uses;
    };
    struct Group {
        QString title;
        QList<Entry> entries;
    };

    // Every labelled cell of pages 0 to pages - 1.
    static QList<Group> build(const LadderMap& map, int pages);
    // One entry as a printable line: label, elements, pages and rows.
    static QString line(const Entry& entry);
    // Whether the element takes its label as register,bit.
    static bool takesRegisterBit(const QString& bitmapName);
};
