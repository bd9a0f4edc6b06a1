// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Trimming as this system's texts need it: blanks only, never line ends or
// other white space, which the line scanners count on.
class Blanks {
public:
    static QStringView trimmed(QStringView text);
    // The same text when there is nothing to trim, without a copy.
    static QString trimmed(const QString& text);
    static bool isBlank(QStringView text);
};
