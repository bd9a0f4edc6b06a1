// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The conversion's text helpers on templates and their expansions. Each
// stands for a plain Qt expression (named below) and gives the same result;
// they exist because the conversion calls them for every cell.
class TemplateText {
public:
    inline static const QString CrLf = QStringLiteral("\r\n");
    inline static const QString Indent = QString(12, u' ');

    // text.indexOf(needle, from), for a needle that is not empty. A
    // template's few characters are searched directly: Qt's vectorised
    // search costs more to set up than such a text takes to walk.
    static qsizetype find(QStringView text, QStringView needle, qsizetype from = 0) {
        if (text.size() > 256) return text.indexOf(needle, from);
        const qsizetype last = text.size() - needle.size();
        for (qsizetype at = from; at <= last; ++at)
            if (text[at] == needle[0] && text.mid(at, needle.size()) == needle) return at;
        return -1;
    }
    static bool has(QStringView text, QStringView needle) { return find(text, needle) >= 0; }

    // A hash of a short text (FNV-1a over its characters): cheaper than
    // qHash for the few characters of a template or label, which the
    // conversion hashes for every cell.
    static size_t hash(QStringView text, size_t seed = 14695981039346656037ULL) {
        for (const QChar c : text)
            seed = (seed ^ c.unicode()) * 1099511628211ULL;
        return seed;
    }

    // has(text, "*END") || has(text, "*end"), in one pass.
    static bool endsConversion(QStringView text) {
        for (qsizetype at = 0; at + 3 < text.size(); ++at)
            if (text[at] == u'*') {
                const QStringView word = text.mid(at + 1, 3);
                if (word == u"END" || word == u"end") return true;
            }
        return false;
    }

    // A template without its line ends, trimmed of blanks:
    // Blanks::trimmed(QString(text).remove(CrLf)).
    static QString flatten(const QString& text);
    // flatten(text) == "OR", without building the flattened text.
    static bool isOr(QStringView text);
    // flatten() on a buffer of its own, without a new allocation.
    static void flattenInPlace(QString& text);
    // text.replace(marker, value + CrLf + Indent): every marker becomes the
    // value followed by a line break and an indent.
    static void putInPlace(QString& text, QStringView marker, QStringView value);
};
