// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <random>

// Seeded random texts of the characters templates and generated instruction
// text are made of: blanks, line ends (also a lone CR or LF), markers,
// commas, digits and letters, or half the time of just "A" and "@", so
// that occurrences overlap. Half of the texts are longer than 256
// characters, where the fast text helpers change their way of searching.
class RandomText {
public:
    explicit RandomText(unsigned seed) : random_(seed) {}

    QString text();
    // Texts of blanks, line ends and the letters of "OR" alone.
    QString blanksAndOr();
    // Half the time a piece of the text, else a short random text; never empty.
    QString needle(const QString& text);
    // A short random text, possibly empty.
    QString shortText();
    int below(int bound);

private:
    QString of(QStringView alphabet, int length);

    std::mt19937 random_;
};
