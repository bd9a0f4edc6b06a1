// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementCatalogue.h"

#include <QString>

#include <array>
#include <optional>

// The three controller products differ in their map folder, their palette
// groups and the tracer cells that exist on them.
struct Product {
    QString caption;
    QString mapFolder;
    int shownGroup; // 0-based palette group shown on choosing the product
    // Enabled state of each palette group; nullopt leaves a group as it is.
    std::array<std::optional<bool>, ElementCatalogue::Groups> groupsEnabled;
    // Enabled state of tracer cells 18 to 23, 48 to 53, 55 and 58.
    std::optional<bool> tracerCellsEnabled;
};

class ProductChoice {
public:
    static constexpr int Count = 3;
    static const Product& product(int index);
};
