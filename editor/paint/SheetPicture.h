// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class PrintSheet;
struct PrintPage;

// A print window sheet as a picture for documents: SVG, whose headings and
// labels stay text that can be searched and selected, or PNG, as large as
// the sheet prints on paper at the dots per inch asked for. Either file is
// written whole or not at all.
class SheetPicture {
public:
    static constexpr int LeastDotsPerInch = 10;
    // About 100 MB of picture in memory at the most.
    static constexpr int MostDotsPerInch = 600;

    explicit SheetPicture(const PrintSheet& sheet) : sheet_(sheet) {}

    // False with the reason in error when the file could not be written.
    bool writeSvg(const QString& file, const PrintPage& page, const QString& title,
                  QString& error) const;
    bool writePng(const QString& file, const PrintPage& page, int dotsPerInch,
                  QString& error) const;

    // The sheet's size in pixels when it prints at dotsPerInch.
    static QSize printedSize(int dotsPerInch);

private:
    const PrintSheet& sheet_;
};
