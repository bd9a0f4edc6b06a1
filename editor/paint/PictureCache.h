// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

// Decoded pictures by file, so that showing a page does not read bitmap
// files again. A file that cannot be decoded is remembered as a null pixmap.
class PictureCache {
public:
    const QPixmap& get(const QString& file);

private:
    QHash<QString, QPixmap> pixmaps_;
};
