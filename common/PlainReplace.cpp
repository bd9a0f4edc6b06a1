// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainReplace.h"

#include <algorithm>
#include <limits>

namespace {

// How often a character turns up in generated instruction text: the search
// looks for the find text's least common character first.
int commonness(QChar c) {
    if (c == u' ' || c == u'\r' || c == u'\n') return 3;
    if (c == u',' || c.isDigit() || QStringView(u"ANDIOUTR").contains(c)) return 2;
    return c.isLetter() ? 1 : 0;
}

// The position of the find text's rarest character; in a short text the
// search is cheap anyway and takes the first.
qsizetype pivotOf(QStringView find, qsizetype textSize) {
    if (textSize < 256) return 0;
    qsizetype pivot = 0;
    for (qsizetype i = 1; i < find.size(); ++i)
        if (commonness(find[i]) < commonness(find[pivot])) pivot = i;
    return pivot;
}

// The next occurrence at or after from: a vectorised search for the pivot
// character, then a comparison of the whole.
qsizetype findFrom(QStringView text, QStringView find, qsizetype pivot, qsizetype from) {
    const QChar key = find[pivot];
    for (qsizetype at = text.indexOf(key, from + pivot); at >= 0; at = text.indexOf(key, at + 1)) {
        const qsizetype start = at - pivot;
        if (start + find.size() > text.size()) return -1;
        if (text.mid(start, find.size()) == find) return start;
    }
    return -1;
}

} // namespace

void PlainReplace::all(QString& text, QStringView find, QStringView by) {
    all(text, find, by, std::numeric_limits<qsizetype>::max());
}

bool PlainReplace::all(QString& text, QStringView find, QStringView by, qsizetype maxSize) {
    if (find.isEmpty()) return true;
    const QStringView view(text);
    const qsizetype pivot = pivotOf(find, text.size());
    qsizetype at = findFrom(view, find, pivot, 0);
    if (at < 0) return true;
    QString out;
    out.reserve(std::min(maxSize, text.size() + (by.size() > find.size() ? text.size() / 4 : 0)));
    qsizetype from = 0;
    while (at >= 0) {
        out.append(view.mid(from, at - from)).append(by);
        from = at + find.size();
        if (out.size() + (text.size() - from) > maxSize) return false;
        at = findFrom(view, find, pivot, from);
    }
    out.append(view.mid(from));
    text = std::move(out);
    return true;
}
