// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstructionCheck.h"

#include "Blanks.h"
#include "CodeImage.h"
#include "Excerpt.h"
#include "InstructionSet.h"
#include "SourceLine.h"

namespace {

using Severity = Finding::Severity;
const QString Stops = QStringLiteral("the assembler stops at this rung");

// "the controller would run OR,1,3 instead (C9 03)" for what the line
// assembles to. There is no alignment: where the first byte is a one-byte
// instruction, the second starts the next one.
QString whatRuns(const QString& mnemonic, int a, int b) {
    const auto code = InstructionSet::encode(mnemonic, a, b);
    if (!code || code->length != 2) return Stops;
    const QString second = CodeImage::hex2(code->byte2);
    const QString bytes = CodeImage::hex2(code->byte1) + u' ' + second;
    const QString reading = InstructionSet::reading(code->byte1, code->byte2, mnemonic);
    if (!reading.isEmpty())
        return QStringLiteral("the controller would run %1 instead (%2)").arg(reading, bytes);
    const QString single = InstructionSet::oneByte(code->byte1);
    if (!single.isEmpty())
        return QStringLiteral("the controller would get %1: %2, then %3 as the first byte of "
                              "the next instruction")
            .arg(bytes, single, second);
    return QStringLiteral("the controller would get %1, which is no instruction").arg(bytes);
}

} // namespace

InstructionCheck::Result InstructionCheck::of(QStringView line) {
    Result result;
    const SourceLine parsed = SourceLine::parse(line);
    const qsizetype p1 = line.indexOf(u',');
    const qsizetype p2 = p1 < 0 ? -1 : line.indexOf(u',', p1 + 1);
    result.mnemonic = Blanks::trimmed(p1 < 0 ? line : line.left(p1)).toString();
    result.a = parsed.a();
    result.b = parsed.b();
    const int written = p1 < 0 ? 0 : p2 < 0 ? 1 : 2;
    const QStringView second = p2 < 0 ? QStringView() : Blanks::trimmed(line.mid(p2 + 1));
    const QString& m = result.mnemonic;
    const auto fail = [&](Severity severity, const QString& message) {
        result.problem = Problem{severity, message};
        return result;
    };

    const auto shape = InstructionSet::shape(m);
    if (!shape)
        return fail(Severity::Error,
                    QStringLiteral("\"%1\" is not an instruction; %2").arg(Excerpt::of(m), Stops));
    const auto nameOf = [&](int k) {
        return k < shape->count ? shape->operands[k].name : QStringLiteral("operand %1").arg(k + 1);
    };
    if (parsed.mnemonic() == u"ERROR ")
        return fail(
            Severity::Error,
            QStringLiteral("%1 of %2: %3; %4").arg(nameOf(0), m, parsed.operandProblem(), Stops));
    if (written < shape->count || (shape->count == 2 && written == 2 && second.isEmpty()))
        return fail(Severity::Error,
                    QStringLiteral("%1 is missing for %2; %3")
                        .arg(nameOf(std::min(written, 1)), m, whatRuns(m, result.a, result.b)));
    if (shape->count == 2 && !SourceLine::isPlainNumber(second))
        return fail(Severity::Error,
                    QStringLiteral("%1 \"%2\" is not a number for %3; %4")
                        .arg(nameOf(1), Excerpt::of(second), m, whatRuns(m, result.a, result.b)));
    const int values[2] = {result.a, result.b};
    for (int k = 0; k < shape->count; ++k) {
        const InstructionSet::Operand& field = shape->operands[k];
        if (values[k] >= field.low && values[k] <= field.high) continue;
        return fail(
            Severity::Error,
            QStringLiteral("%1 %2 is outside %3\u2013%4 for %5; %6")
                .arg(field.name)
                .arg(values[k])
                .arg(field.low)
                .arg(field.high)
                .arg(m, InstructionSet::placesLabel(m) ? Stops : whatRuns(m, result.a, result.b)));
    }
    result.sound = true;
    using Role = Result::Role;
    result.role = InstructionSet::setsOutput(m)     ? Role::Coil
                  : InstructionSet::placesLabel(m)  ? Role::Label
                  : InstructionSet::jumpsToLabel(m) ? Role::Jump
                                                    : Role::Other;
    if (written > shape->count) {
        const QStringView extra =
            Blanks::trimmed(written == 1 ? line.mid(p1 + 1) : line.mid(p2 + 1));
        return fail(Severity::Warning, QStringLiteral("%1 takes %2 operand%3; \"%4\" is ignored")
                                           .arg(m)
                                           .arg(shape->count)
                                           .arg(shape->count == 1 ? QString() : QStringLiteral("s"))
                                           .arg(Excerpt::of(extra)));
    }
    return result;
}
