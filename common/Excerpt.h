// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// A line as a report quotes it: whole up to a readable length, else its
// start and how long it was, so a failing line of megabytes does not fill
// the message box or the terminal.
class Excerpt {
public:
    static constexpr qsizetype MaxLength = 160;
    static QString of(QStringView line);
};
