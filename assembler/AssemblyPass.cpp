#include "AssemblyPass.h"

#include "Blanks.h"
#include "InstructionSet.h"
#include "SourceLine.h"

namespace {

constexpr QChar CR = u'\r';

class Scanner {
public:
    Scanner(const QString& work, const AssemblyPass::Progress& progress)
        : work_(work), progress_(progress) {}

    AssemblyPass::Result run();

private:
    enum class Step { Next, ByTwo, Stop };
    Step scanLine();
    bool assemble(QStringView line);
    int lineNumber() const;
    bool place(const InstructionSet::Encoding& encoding, QStringView line);
    // note goes into the report under the line, reason into the error line.
    void fail(QStringView line, const QString& note, const QString& reason);

    const QString& work_;
    const AssemblyPass::Progress& progress_;
    AssemblyPass::Result result_;
    qsizetype pos_ = 0; // 0-based: the character before the line read next
    QStringView head_;
    QString lastComment_;
    qsizetype commentEnd_ = -1; // the line end of the last comment line
    QStringView lastLine_;
    qsizetype lineEnd_ = 0; // the CR that ends the line being assembled
};

AssemblyPass::Result Scanner::run() {
    for (;;) {
        const Step step = scanLine();
        if (step == Step::Stop) break;
        if (step == Step::ByTwo) {
            pos_ += 2;
            continue;
        }
        // The next line is read from its third character, or the pass ends
        // when no line end follows (a lone CR would otherwise send the scan
        // back to the start forever).
        const qsizetype crlf = work_.indexOf(u"\r\n", pos_ + 1);
        if (crlf < 0) break;
        pos_ = crlf + 3;
    }
    if (result_.ok) result_.image.completeWord();
    // Only the last line's trace is shown.
    if (!lastLine_.isNull()) result_.trace = SourceLine::parse(lastLine_).trace();
    return std::move(result_);
}

Scanner::Step Scanner::scanLine() {
    if (work_.indexOf(CR, pos_ + 1) < 0) return Step::Stop;
    const qsizetype end = work_.indexOf(CR, pos_);
    QStringView line = Blanks::trimmed(QStringView(work_).mid(pos_ + 1, end - pos_));
    if (pos_ >= 1) head_ = QStringView(work_).mid(pos_ - 1, 12);
    if (line.contains(u"PEND")) return Step::Stop;
    if (const qsizetype quote = head_.indexOf(u'\''); quote >= 0) {
        lastComment_ = head_.mid(quote + 1, 10).toString();
        commentEnd_ = end;
        line = {};
    } else if (end <= commentEnd_) {
        line = {}; // the rest of a comment line that the scan steps through
    }
    if (line.size() < 4) return Step::ByTwo;
    if (line.startsWith(u'\'') || Blanks::trimmed(line.mid(1)).isEmpty()) return Step::Next;
    if (const qsizetype semicolon = line.indexOf(u';'); semicolon >= 0) line = line.left(semicolon);
    // A line that holds only a ";" comment has nothing to assemble.
    if (Blanks::trimmed(line).isEmpty()) return Step::Next;
    // The line end, or after a ";" cut the character before the ";".
    line.chop(1);
    lineEnd_ = end;
    return assemble(line) ? Step::Next : Step::Stop;
}

bool Scanner::assemble(QStringView line) {
    const SourceLine parsed = SourceLine::parse(line);
    lastLine_ = line;
    const auto encoding = InstructionSet::encode(parsed.mnemonic(), parsed.a(), parsed.b());
    if (!encoding) {
        const QString operand = parsed.operandProblem();
        fail(line, {},
             !operand.isEmpty() ? operand
                                : QStringLiteral("unknown mnemonic \"%1\"").arg(parsed.mnemonic()));
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
    QString row = lastComment_;
    row.remove(QStringLiteral("\r\n"));
    row = row.trimmed();
    result_.ok = false;
    result_.goToRow = row;
    result_.message =
        QStringLiteral("Error in Line ") + QString(u' ') + row + QStringLiteral("\r\n>>> ") +
        Blanks::trimmed(line).toString().remove(QStringLiteral("\r\n")) + QStringLiteral(" <<<");
    if (!note.isEmpty()) result_.message += QStringLiteral("\r\n") + note;
    result_.errorLine = lineNumber();
    result_.reason = reason;
}

// Source replacement keeps every line where it was, so the line in the work
// text is the line in the source.
int Scanner::lineNumber() const {
    return int(QStringView(work_).left(lineEnd_).count(CR)) + 1;
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
