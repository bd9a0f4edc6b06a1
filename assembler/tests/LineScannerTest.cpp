// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineScanner.h"
#include "Blanks.h"
#include "QStringPrinter.h"

#include <random>

#include <gtest/gtest.h>

namespace {

struct Walk {
    QStringList lines;    // the lines handed out to assemble
    QStringList comments; // the last comment after each of them, and at the end
};

Walk walk(const QString& work) {
    Walk out;
    LineScanner scanner(work);
    while (const auto line = scanner.next()) {
        out.lines << line->toString();
        out.comments << scanner.lastComment();
    }
    out.comments << scanner.lastComment();
    return out;
}

// The walk as the algorithm is written, with positions from 1 and every
// search made afresh at every step: slow on long lines, plainly right.
Walk writtenWalk(const QString& w) {
    Walk out;
    QString head, comment;
    qsizetype pos = 1, commentEnd = 0;
    // Text positions from 1; 0 when not found.
    const auto find = [&w](QStringView what, qsizetype from) {
        return w.indexOf(what, from - 1) + 1;
    };
    for (;;) {
        if (find(u"\r", pos + 1) == 0) break;
        const qsizetype e = find(u"\r", pos);
        QString line = Blanks::trimmed(w.mid(pos, e - pos));
        if (pos - 1 >= 1) head = w.mid(pos - 2, 12);
        if (line.contains(u"PEND")) break;
        if (const qsizetype quote = head.indexOf(u'\''); quote >= 0) {
            comment = head.mid(quote + 1, 10);
            commentEnd = e;
            line.clear();
        } else if (e <= commentEnd) {
            line.clear();
        }
        if (line.size() < 4) {
            pos += 2;
            continue;
        }
        if (!line.startsWith(u'\'') && !Blanks::trimmed(line.mid(1)).isEmpty()) {
            if (line.contains(u';')) line = line.left(line.indexOf(u';'));
            if (!Blanks::trimmed(line).isEmpty()) {
                line.chop(1);
                out.lines << line;
                out.comments << comment;
            }
        }
        const qsizetype crlf = find(u"\r\n", pos + 1);
        if (crlf == 0) break;
        pos = crlf + 3;
    }
    out.comments << comment;
    return out;
}

// Sources made of the pieces the walk turns on: line ends whole and
// stray, blanks short and long, comment marks, ";", PEND, instructions.
QString randomSource(std::mt19937& random) {
    static const QStringList pieces{"\r\n",
                                    "\r\n",
                                    "\r",
                                    "\n",
                                    " ",
                                    "   ",
                                    QString(12, u' '),
                                    "'",
                                    "' 12",
                                    ";",
                                    "PEND",
                                    "NOP",
                                    "END",
                                    "IN,0,1",
                                    "x",
                                    "ab",
                                    "ORG",
                                    ",",
                                    QString(40, u' '),
                                    "'IN,9,9 pump"};
    QString text;
    const int count = std::uniform_int_distribution<int>(0, 60)(random);
    for (int i = 0; i < count; ++i)
        text += pieces[std::uniform_int_distribution<int>(0, int(pieces.size()) - 1)(random)];
    return text;
}

TEST(LineScanner, WalksEveryTextAsTheWrittenAlgorithmDoes) {
    std::mt19937 random(20);
    for (int i = 0; i < 20000; ++i) {
        const QString text = randomSource(random);
        const Walk fast = walk(text), written = writtenWalk(text);
        ASSERT_EQ(fast.lines, written.lines) << text.toStdString();
        ASSERT_EQ(fast.comments, written.comments) << text.toStdString();
    }
}

TEST(LineScanner, LongCommentAndBlankLinesAreSteppedThrough) {
    const QString I12(12, u' ');
    for (const qsizetype length : {1000, 100000}) {
        const QString comment = "' 7" + QString(length, u'x') + "\r\n";
        const QString blank = QString(length, u' ') + "\r\n";
        const QString text =
            "\r\n" + comment + blank + I12 + "NOP\r\n" + blank + "ab\r\n" + I12 + "END\r\n";
        const Walk w = walk(text);
        EXPECT_EQ(w.lines, QStringList({"NOP", "END"})) << length;
        EXPECT_EQ(w.comments.last(), " 7xxxxxxxx") << length;
    }
}

} // namespace
