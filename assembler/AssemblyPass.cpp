// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssemblyPass.h"

#include "Blanks.h"
#include "Excerpt.h"
#include "InstructionSet.h"
#include "LineScanner.h"
#include "SourceLine.h"

namespace {

class Scanner {
public:
    Scanner(const QString& work, const AssemblyPass::Progress& progress)
        : work_(work), lines_(work), progress_(progress) {}

    AssemblyPass::Result run();

private:
    bool assemble(QStringView line);
    int lineNumber(QStringView line) const;
    bool place(const InstructionSet::Encoding& encoding, QStringView line);
    // note goes into the report under the line, reason into the error line.
    void fail(QStringView line, const QString& note, const QString& reason);

    QStringView work_;
    LineScanner lines_;
    const AssemblyPass::Progress& progress_;
    AssemblyPass::Result result_;
    QStringView lastLine_;
};

AssemblyPass::Result Scanner::run() {
    while (const std::optional<QStringView> line = lines_.next())
        if (!assemble(*line)) break;
    if (result_.ok) result_.image.completeWord();
    // Only the last line's trace is shown.
    if (!lastLine_.isNull()) result_.trace = SourceLine::parse(lastLine_).trace();
    return std::move(result_);
}

bool Scanner::assemble(QStringView line) {
    const SourceLine parsed = SourceLine::parse(line);
    lastLine_ = line;
    const auto encoding = InstructionSet::encode(parsed.mnemonic(), parsed.a(), parsed.b());
    if (!encoding) {
        const QString operand = parsed.operandProblem();
        fail(line, {},
             !operand.isEmpty()
                 ? operand
                 : QStringLiteral("unknown mnemonic \"%1\"").arg(Excerpt::of(parsed.mnemonic())));
        return false;
    }
    if (encoding->origin) {
        const int origin = InstructionSet::originOf(parsed.a());
        if (origin < 0 || origin > AssemblyPass::Top) {
            const QString reason =
                QStringLiteral("ORG,%1 lies outside the controller's memory").arg(parsed.a());
            fail(line, reason, reason);
            return false;
        }
        result_.image.completeWord();
        result_.image.setCounter(origin);
        result_.origin = QString::number(origin);
    }
    return place(*encoding, line);
}

bool Scanner::place(const InstructionSet::Encoding& encoding, QStringView line) {
    CodeImage& image = result_.image;
    if (image.counter() + encoding.length - 1 > AssemblyPass::Top) {
        fail(line, QStringLiteral("The program runs past address %1.").arg(AssemblyPass::Top),
             QStringLiteral("the program runs past address %1").arg(AssemblyPass::Top));
        return false;
    }
    image.put(encoding.byte1);
    ++result_.instructions;
    QString& listing = result_.listing;
    listing.append(encoding.length == 2 ? u"  " : u"   ").append(Blanks::trimmed(line));
    listing.append(u" = ").append(CodeImage::hex2(encoding.byte1));
    if (encoding.length == 2) {
        image.put(encoding.byte2);
        if (progress_) progress_(result_.instructions * 100 / 4096);
        listing.append(u'-').append(CodeImage::hex2(encoding.byte2));
    }
    listing.append(u"\r\n");
    return true;
}

// The report names the row of the failing rung (the conversion writes the
// row as a comment after every rung) and the line itself.
void Scanner::fail(QStringView line, const QString& note, const QString& reason) {
    QString row = lines_.lastComment();
    row.remove(QStringLiteral("\r\n"));
    row = row.trimmed();
    result_.ok = false;
    // The first rung has no comment before it: the conversion starts it on row 1.
    result_.goToRow = row.isEmpty() ? QStringLiteral("1") : row;
    result_.message = QStringLiteral("Error in Line ") + QString(u' ') + row +
                      QStringLiteral("\r\n>>> ") +
                      Excerpt::of(Blanks::trimmed(line).toString().remove(QStringLiteral("\r\n"))) +
                      QStringLiteral(" <<<");
    if (!note.isEmpty()) result_.message += QStringLiteral("\r\n") + note;
    result_.errorLine = lineNumber(line);
    result_.reason = reason;
}

// Source replacement keeps every line where it was, so the line in the work
// text is the line in the source.
int Scanner::lineNumber(QStringView line) const {
    return int(work_.left(line.data() - work_.data()).count(u'\r')) + 1;
}

} // namespace

QString AssemblyPass::withEnd(QString work) {
    if (!work.contains(u"PEND")) work += QStringLiteral("\r\n       PEND");
    return work;
}

AssemblyPass::Result AssemblyPass::run(const QString& work, const Progress& progress) {
    const QString ended = withEnd(work);
    return Scanner(ended, progress).run();
}
