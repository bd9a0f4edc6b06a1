// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateText.h"

#include "Blanks.h"

QString TemplateText::flatten(const QString& text) {
    if (!has(text, CrLf)) return Blanks::trimmed(text);
    const QStringView view(text);
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = find(view, CrLf); at >= 0; at = find(view, CrLf, from)) {
        out.append(view.mid(from, at - from));
        from = at + 2;
    }
    out.append(view.mid(from));
    return Blanks::trimmed(out);
}

bool TemplateText::isOr(QStringView text) {
    // Walks the text as flatten() would leave it: line ends out, blanks
    // trimmed at both ends, and "OR" between them.
    enum { Before, AfterO, AfterR } state = Before;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') {
            ++at;
            continue;
        }
        const QChar c = text[at];
        if (c == u' ' && state != AfterO) continue;
        if (state == Before && c == u'O')
            state = AfterO;
        else if (state == AfterO && c == u'R')
            state = AfterR;
        else
            return false;
    }
    return state == AfterR;
}

void TemplateText::flattenInPlace(QString& text) {
    for (qsizetype at = find(text, CrLf); at >= 0; at = find(text, CrLf, at))
        text.remove(at, 2);
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    text.remove(0, start);
}

void TemplateText::putInPlace(QString& text, QStringView marker, QStringView value) {
    for (qsizetype at = find(text, marker); at >= 0; at = find(text, marker, at)) {
        text.replace(at, marker.size(), value.data(), value.size());
        at += value.size();
        text.insert(at, CrLf + Indent);
        at += 2 + Indent.size();
    }
}
