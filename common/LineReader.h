// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

#include <functional>

// Line reading: one line per read, the line end removed, nothing else.
// CR LF, a lone LF and a lone CR all end a line; a last line without an
// end still counts, an empty text has no lines.
class LineReader {
public:
    static QStringList lines(const QString& text);
    // The same lines handed on one by one as views into the text, without a list.
    static void forEach(QStringView text, const std::function<void(QStringView line)>& take);
};
