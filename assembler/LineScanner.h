// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <limits>
#include <optional>

// The walk over the prepared source that finds the lines to assemble, as the
// controller family's assembler always walked it: a position that starts on
// the text's first character; a line is read from the character after the
// position to the next CR; comment heads, short and empty lines are passed
// over two characters at a time; after an assembled line the walk goes on
// at the third character of the next line; "PEND" ends it.
//
// Stepping through a long comment or blank line two characters at a time, the
// walk would search the rest of that line again at every step; what it found
// is kept instead, so every step costs the same and the walk is linear in the
// text.
class LineScanner {
public:
    explicit LineScanner(QStringView work) : work_(work) {}

    // The next line to assemble: the line trimmed, without its last
    // character (the CR, or after a ";" cut the one before the ";").
    // Nothing at the end of the pass.
    std::optional<QStringView> next();
    // The text after the latest "'" comment mark the walk has seen (up to
    // 10 characters), which names the map row of the rung.
    const QString& lastComment() const { return lastComment_; }

private:
    enum class Step { Assemble, Skip, ByTwo, Stop };
    Step step(QStringView& line);
    qsizetype crFrom(qsizetype from);
    qsizetype nonBlankFrom(qsizetype from);
    bool holdsPend(qsizetype from, qsizetype end);

    static constexpr qsizetype Unsearched = std::numeric_limits<qsizetype>::max();

    QStringView work_;
    qsizetype pos_ = 0;      // 0-based: the character before the line read next
    bool afterLine_ = false; // the last call handed out a line
    QStringView head_;
    QString lastComment_;
    qsizetype commentEnd_ = -1; // the line end of the last comment line

    // What the walk has found ahead of it, each with where its search began.
    qsizetype crSearch_ = Unsearched, cr_ = -1;
    qsizetype blankSearch_ = Unsearched, nonBlank_ = -1;
    qsizetype pendSearch_ = Unsearched, pendEnd_ = -1, pend_ = -1;
};
