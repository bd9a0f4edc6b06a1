// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProductChoice.h"

namespace {
// Group 3 (index 2) is never touched by a product choice.
const std::array<Product, ProductChoice::Count> products{{
    {QStringLiteral("Kesmar"),
     QStringLiteral("PLC"),
     0,
     {true, true, std::nullopt, false, false},
     true},
    {QStringLiteral("Peltra"),
     QStringLiteral("Peltra"),
     2,
     {false, false, std::nullopt, false, false},
     false},
    {QStringLiteral("Obel"),
     QStringLiteral("DBL"),
     0,
     {true, true, std::nullopt, true, true},
     std::nullopt},
}};
} // namespace

const Product& ProductChoice::product(int index) {
    return products.at(index);
}
