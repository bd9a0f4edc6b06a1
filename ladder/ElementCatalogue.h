// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <array>

class LadderMap;

// The 255 palette slots and their parallel tables: the bitmap a slot shows,
// the bitmap name read at start-up (used for lookups), the instruction
// template and the element name.
class ElementCatalogue {
public:
    // The palette shows the slots in five groups of 51.
    static constexpr int Groups = 5;
    static constexpr int SlotsPerGroup = 51;
    static constexpr int Slots = Groups * SlotsPerGroup;
    // The conversion takes templates from the first four groups only.
    static constexpr int LastConvertedSlot = 4 * SlotsPerGroup - 1;

    const QString& slotBitmap(int slot) const { return slotBitmap_[slot]; }
    void setSlotBitmap(int slot, const QString& name) { slotBitmap_[slot] = name; }

    const QString& paletteBitmap(int slot) const { return paletteBitmap_[slot]; }
    void setPaletteBitmap(int slot, const QString& name);

    const QString& templateOf(int slot) const { return template_[slot]; }
    void setTemplate(int slot, const QString& text) { template_[slot] = text; }

    const QString& name(int slot) const { return name_[slot]; }
    void setName(int slot, const QString& text) { name_[slot] = text; }

    // The highest slot up to lastSlot whose palette bitmap name equals the
    // given one (both trimmed), or -1.
    int lookup(const QString& bitmapName, int lastSlot = Slots - 1) const;

    // The slot whose template an element drawn with this bitmap takes: the
    // lookup's, or -1 for a cell without an element or one no slot up to
    // lastSlot shows (such a cell keeps the template it has).
    int templateSlot(const QString& bitmapName, int lastSlot = Slots - 1) const;

    // Gives every element of the page the template of its slot.
    void refreshTemplates(LadderMap& map, int page, int lastSlot = Slots - 1) const;

private:
    void rebuildIndex() const;

    std::array<QString, Slots> slotBitmap_;
    std::array<QString, Slots> paletteBitmap_;
    std::array<QString, Slots> template_;
    std::array<QString, Slots> name_;
    // Trimmed palette bitmap name -> its slots in ascending order.
    mutable QHash<QString, QList<int>> index_;
    mutable bool indexValid_ = false;
};
