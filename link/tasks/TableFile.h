// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControllerFacts.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

class ProgramFolder;

// A table of bytes for the controller's memory, TAB/NAME.tab in the program
// folder: line 1 "offset=N" (N read from characters 8-17), then decimal byte
// values separated by commas or line breaks. Item k goes to the address
// whose high byte is N + 10 and whose low byte is k. A table is read and
// checked whole before anything is sent, so a fault never leaves the
// controller halted or half written.
class TableFile {
public:
    static constexpr int MaxItems = 256;
    static constexpr int LowestOffset = -ControllerFacts::RawHighOffset;
    static constexpr int HighestOffset = 255 - ControllerFacts::RawHighOffset;

    struct Item {
        QString text; // as the file writes it, for the listing
        quint8 value;
    };

    // The file of a table name (trimmed) in the program folder.
    static QString path(const ProgramFolder& folder, const QString& name);
    // The table, or nothing with error saying what is wrong and on which line.
    static std::optional<TableFile> read(const QString& path, QString* error);

    const QString& header() const { return header_; }
    int offset() const { return offset_; }
    const std::vector<Item>& items() const { return items_; }
    quint16 address(int k) const {
        return quint16((offset_ + ControllerFacts::RawHighOffset) << 8 | k);
    }

private:
    QString header_;
    int offset_ = 0;
    std::vector<Item> items_;
};
