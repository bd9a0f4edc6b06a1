// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The comma-delimited reader: an item ends at a comma or a line end, leading
// blanks are skipped, an item in double quotes is taken without the quotes
// (and may then hold commas). A line with two commas yields three items.
class ItemReader {
public:
    static QStringList items(const QString& text);

private:
    static void splitLine(const QString& line, QStringList& out);
};
