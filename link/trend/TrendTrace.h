// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One line of the trend: a tracer cell as a byte, or one bit of it as a step
// between 0 and 1.
struct TrendTrace {
    int cell = 0;
    int bit = -1; // 0-7 for that bit alone, -1 for the whole byte

    bool isBit() const { return bit >= 0; }
    int valueOf(quint8 byte) const { return isBit() ? (byte >> bit) & 1 : byte; }
    // "NAME" for a byte, "NAME.3" for its bit 3.
    QString label(const QString& cellName) const;
    friend bool operator==(const TrendTrace&, const TrendTrace&) = default;

    // What a user types to name a trace: a cell's name as its column is
    // headed (case ignored), or its number in hexadecimal, then ".B" for
    // bit B alone. Nothing when it names no cell or no bit 0-7.
    static std::optional<TrendTrace> parse(const QString& text, const QStringList& cellNames);
};
