// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Plain substring replacement as this system does it everywhere: every
// occurrence, left to right, case-sensitive, without rescanning what was put
// in; an empty find text changes nothing. Cheaper than QString::replace on
// short texts and on texts where the find text does not occur.
class PlainReplace {
public:
    static void all(QString& text, QStringView find, QStringView by);
    // The same, unless the text would grow past maxSize characters: then
    // false and the text as it was.
    static bool all(QString& text, QStringView find, QStringView by, qsizetype maxSize);
};
