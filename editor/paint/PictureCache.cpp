// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCache.h"

const QPixmap& PictureCache::get(const QString& file) {
    auto it = pixmaps_.find(file);
    if (it == pixmaps_.end())
        it = pixmaps_.insert(file, file.isEmpty() ? QPixmap() : QPixmap(file));
    return *it;
}
