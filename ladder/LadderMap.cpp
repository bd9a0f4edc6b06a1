// SPDX-License-Identifier: GPL-3.0-or-later
#include "LadderMap.h"

#include <algorithm>

bool LadderMap::holdsElement(const QString& bitmapName) {
    const QString name = bitmapName.trimmed();
    return !name.isEmpty() && name != u"space.bmp";
}

bool LadderMap::branchGoesDown(const QString& mark) {
    bool isNumber = false;
    const int value = mark.trimmed().toInt(&isNumber);
    return isNumber && value == 0;
}

void LadderMap::setPagesInUse(int pages) {
    pagesInUse_ = std::clamp(pages, 1, Pages);
}

void LadderMap::clr_map() {
    for (int page = 0; page < pagesInUse_; ++page)
        cells_[page].fill(CellRecord{});
}
