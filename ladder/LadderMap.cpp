#include "LadderMap.h"

#include <algorithm>

bool LadderMap::holdsElement(const QString& bitmapName) {
    const QString name = bitmapName.trimmed();
    return !name.isEmpty() && name != u"space.bmp";
}

void LadderMap::setPagesInUse(int pages) {
    pagesInUse_ = std::clamp(pages, 1, Pages);
}

void LadderMap::clr_map() {
    for (int page = 0; page < pagesInUse_; ++page)
        cells_[page].fill(CellRecord{});
}
