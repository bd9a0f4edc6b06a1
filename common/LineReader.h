#pragma once

#include <QStringList>

// Line reading: one line per read, the line end removed, nothing else.
// CR LF, a lone LF and a lone CR all end a line; a last line without an
// end still counts, an empty text has no lines.
class LineReader {
public:
    static QStringList lines(const QString& text);
};
