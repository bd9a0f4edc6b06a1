// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomText.h"

namespace {
const QStringView Alphabet = u"    \r\n\r\n,,@#^*<>~[]+0123456789ANDORINOUTXYZ";
// Two characters make repeating texts, where occurrences overlap.
const QStringView Narrow = u"A@";
} // namespace

int RandomText::below(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

QString RandomText::of(QStringView alphabet, int length) {
    QString out;
    for (int i = 0; i < length; ++i)
        out += alphabet[below(static_cast<int>(alphabet.size()))];
    return out;
}

QString RandomText::text() {
    return of(below(2) == 0 ? Alphabet : Narrow, below(2) == 0 ? below(40) : 200 + below(600));
}

QString RandomText::blanksAndOr() {
    return of(u"  \r\nOR", below(12));
}

QString RandomText::shortText() {
    return of(Alphabet, below(6));
}

QString RandomText::needle(const QString& text) {
    if (below(2) == 0 && !text.isEmpty()) {
        const int at = below(static_cast<int>(text.size()));
        return text.mid(at, 1 + below(4));
    }
    return of(Alphabet, 1 + below(3));
}
