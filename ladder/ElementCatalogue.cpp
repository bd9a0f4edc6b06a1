// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementCatalogue.h"

#include "LadderMap.h"

void ElementCatalogue::setPaletteBitmap(int slot, const QString& name) {
    paletteBitmap_[slot] = name;
    indexValid_ = false;
}

void ElementCatalogue::rebuildIndex() const {
    index_.clear();
    for (int slot = 0; slot < Slots; ++slot)
        index_[paletteBitmap_[slot].trimmed()].append(slot);
    indexValid_ = true;
}

int ElementCatalogue::lookup(const QString& bitmapName, int lastSlot) const {
    if (!indexValid_) rebuildIndex();
    const auto it = index_.constFind(bitmapName.trimmed());
    if (it == index_.cend()) return -1;
    for (auto slot = it->crbegin(); slot != it->crend(); ++slot)
        if (*slot <= lastSlot) return *slot;
    return -1;
}

int ElementCatalogue::templateSlot(const QString& bitmapName, int lastSlot) const {
    return LadderMap::holdsElement(bitmapName) ? lookup(bitmapName, lastSlot) : -1;
}

void ElementCatalogue::refreshTemplates(LadderMap& map, int page, int lastSlot) const {
    for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
        CellRecord& record = map.cell(page, cell);
        const int slot = templateSlot(record.A, lastSlot);
        if (slot >= 0) record.D = template_[slot];
    }
}
