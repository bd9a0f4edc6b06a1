// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// The date and time as the map editor shows it and the clock setting sends
// it: "YYYY MM WD DD hh mm ss", the weekday counted from 1 on Sunday as the
// controller's clock counts. The two-digit fields sit at the character
// positions 3, 6, 9, 12, 15, 18 and 21 (counted from 1).
class ClockText {
public:
    static constexpr int Fields = 7;

    static QString of(const QDateTime& now);
    // Whether text has that form and names a real date and time.
    static bool valid(const QString& text) { return problem(text).isEmpty(); }
    // Why it does not, in words that name the field; "" when it does.
    static QString problem(const QString& text);
    // The weekday field the date of a valid text has (1 Sunday to 7).
    static int weekdayOfDate(const QString& text);
    // The two characters of field i (0-6).
    static QString field(const QString& text, int i) { return text.mid(2 + 3 * i, 2); }
};
