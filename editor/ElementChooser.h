// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementCatalogue.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

class GridEditor;
struct Product;

// Choosing the element to place without the palette: the elements whose
// bitmap, name or template match what the user types, and the last few
// elements chosen. A choice is the palette click's own, so the two cannot
// differ.
class ElementChooser : public QObject {
    Q_OBJECT
public:
    static constexpr int RecentCount = 9;

    ElementChooser(const ElementCatalogue& catalogue, GridEditor& grid);

    // The slots of the enabled palette groups that match, best first: the
    // bitmap named exactly ("no" for no.bmp), then a bitmap or a word of the
    // name beginning with the text, then the text anywhere in the bitmap,
    // name or template, then the name holding its three or more letters in
    // order ("tmr" for a timer). Case does not matter; an element that several slots
    // offer is listed once, by its first slot; blank slots never.
    QList<int> matches(const QString& typed) const;
    // The elements last chosen, by palette or chooser, the latest first.
    const QList<int>& recent() const { return recent_; }

    void choose(int slot);
    // The n-th latest element (from 1); false when there is none.
    bool chooseRecent(int n);

    // The palette groups a product offers; the others are neither shown
    // nor matched. A product that does not name a group leaves it as it was.
    void applyProduct(const Product& product);
    bool groupEnabled(int group) const { return groupEnabled_[group]; }

private:
    void noteChosen(int slot);
    int rank(int slot, const QString& typed) const;

    const ElementCatalogue& catalogue_;
    GridEditor& grid_;
    QList<int> recent_;
    std::array<bool, ElementCatalogue::Groups> groupEnabled_;
};
