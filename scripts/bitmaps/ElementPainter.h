// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Draws one element bitmap of the standard element set. Every element sits on
// a rung line through the middle of the picture that meets both edges, so
// cells side by side join into one rung; line pieces meet the edges at the
// middles, where the neighbouring pieces meet them.
class ElementPainter {
public:
    enum class Style { Classic, Tinted };
    static constexpr int Width = 64;
    static constexpr int Height = 35;

    explicit ElementPainter(Style style) : style_(style) {}
    // Where a contact's two bars stand (x of each stroke's middle); zeros
    // for an element that is not a contact.
    struct ContactBars {
        int left = 0, right = 0;
    };
    ContactBars contactBars(const QString& name) const;
    // A null image for a name this painter does not know.
    QImage paint(const QString& name) const;
    static QStringList names();

private:
    Style style_;
};
