// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineScanner.h"

#include "Blanks.h"

#include <utility>

namespace {
constexpr QChar CR = u'\r';
} // namespace

std::optional<QStringView> LineScanner::next() {
    for (;;) {
        if (std::exchange(afterLine_, false)) {
            // The next line is read from its third character, or the pass
            // ends when no line end follows (a lone CR would otherwise send
            // the walk back to the start forever).
            const qsizetype crlf = work_.indexOf(u"\r\n", pos_ + 1);
            if (crlf < 0) return std::nullopt;
            pos_ = crlf + 3;
        }
        QStringView line;
        switch (step(line)) {
        case Step::Stop:
            return std::nullopt;
        case Step::ByTwo:
            pos_ += 2;
            break;
        case Step::Skip:
            afterLine_ = true;
            break;
        case Step::Assemble:
            afterLine_ = true;
            return line;
        }
    }
}

LineScanner::Step LineScanner::step(QStringView& line) {
    if (crFrom(pos_ + 1) < 0) return Step::Stop;
    // The line runs from the character after pos_ to its CR; it is empty
    // when pos_ is on a CR. The CR is no blank, so only its front is trimmed.
    const qsizetype end = work_[pos_] == CR ? pos_ : crFrom(pos_ + 1);
    const qsizetype start = end == pos_ ? end + 1 : nonBlankFrom(pos_ + 1);
    line = work_.mid(start, end - start + 1);
    if (pos_ >= 1) head_ = work_.mid(pos_ - 1, 12);
    if (!line.isEmpty() && holdsPend(start, end)) return Step::Stop;
    if (const qsizetype quote = head_.indexOf(u'\''); quote >= 0) {
        lastComment_ = head_.mid(quote + 1, 10).toString();
        commentEnd_ = end;
        line = {};
    } else if (end <= commentEnd_) {
        line = {}; // the rest of a comment line that the walk steps through
    }
    if (line.size() < 4) return Step::ByTwo;
    if (line.startsWith(u'\'') || Blanks::trimmed(line.mid(1)).isEmpty()) return Step::Skip;
    if (const qsizetype semicolon = line.indexOf(u';'); semicolon >= 0) line = line.left(semicolon);
    // A line that holds only a ";" comment has nothing to assemble.
    if (Blanks::trimmed(line).isEmpty()) return Step::Skip;
    // The line end, or after a ";" cut the character before the ";".
    line.chop(1);
    return Step::Assemble;
}

// The first CR at or after `from`, -1 when there is none. The walk never
// goes back, so a search is only repeated once the walk has passed its find.
qsizetype LineScanner::crFrom(qsizetype from) {
    if (from < crSearch_ || (cr_ >= 0 && from > cr_)) {
        crSearch_ = from;
        cr_ = work_.indexOf(CR, from);
    }
    return cr_;
}

// The first character at or after `from` that is not a blank; the text's
// end when there is none.
qsizetype LineScanner::nonBlankFrom(qsizetype from) {
    if (from < blankSearch_ || from > nonBlank_) {
        blankSearch_ = from;
        nonBlank_ = from;
        while (nonBlank_ < work_.size() && work_[nonBlank_] == u' ')
            ++nonBlank_;
    }
    return nonBlank_;
}

// Whether "PEND" lies within the characters `from` to the CR at `end`: the
// last one before the CR is found once a line and compared with `from`.
bool LineScanner::holdsPend(qsizetype from, qsizetype end) {
    if (end != pendEnd_ || from < pendSearch_) {
        pendEnd_ = end;
        pendSearch_ = from;
        const qsizetype at = work_.mid(from, end - from).lastIndexOf(u"PEND");
        pend_ = at < 0 ? -1 : from + at;
    }
    return pend_ >= from;
}
