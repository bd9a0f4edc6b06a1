// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementCatalogue.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>

class ProgramFolder;

// Where element pictures come from: the bitmap folder in use ("BMP" or the
// alternative icon set "BMP_T"), the blank cell picture, and the picture each
// palette slot shows. Windows load the files; this only decides which.
class Pictures {
public:
    explicit Pictures(const ProgramFolder& folder);

    const QString& bitmapFolder() const { return bitmapFolder_; }
    void setAlternativeIcons(bool alternative);

    // The file of an element bitmap in the bitmap folder, "" when there is none.
    QString elementFile(const QString& bitmapName) const;
    // The "*.bmp" files of the program folder's bmp folder, for choosing a
    // slot's bitmap.
    QStringList bitmapFiles() const;
    // bmp\space.bmp, the picture of an empty grid cell.
    QString blankFile() const;

    const QString& slotPicture(int slot) const { return slotPicture_[slot]; }
    // A bitmap that cannot be found leaves the slot's previous picture.
    void loadSlotPicture(int slot, const QString& bitmapName);

private:
    const ProgramFolder& folder_;
    QString bitmapFolder_ = QStringLiteral("BMP");
    std::array<QString, ElementCatalogue::Slots> slotPicture_;
    mutable QHash<QString, QString> found_; // "folder\name" -> file or ""
};
