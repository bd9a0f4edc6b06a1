// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceLine.h"

#include "Blanks.h"
#include "Excerpt.h"
#include "NumericText.h"

#include <algorithm>
#include <cmath>

SourceLine SourceLine::parse(QStringView line) {
    SourceLine parsed;
    const qsizetype p1 = line.indexOf(u',');
    if (p1 < 0) {
        parsed.mnemonic_ = Blanks::trimmed(line);
        return parsed;
    }
    parsed.mnemonic_ = Blanks::trimmed(line.left(p1));
    const qsizetype p2 = line.indexOf(u',', p1 + 1);
    const QStringView operand1 = p2 < 0 ? line.mid(p1 + 1) : line.mid(p1 + 1, p2 - p1 - 1);
    parsed.a_ = valueOf(operand1);
    if (p2 >= 0) parsed.b_ = valueOf(line.mid(p2 + 1));
    parsed.written_ = asWritten(operand1);
    if (parsed.written_ != QString::number(parsed.a_)) parsed.mnemonic_ = u"ERROR ";
    return parsed;
}

QString SourceLine::trace() const {
    return mnemonic_.toString() + QStringLiteral(" - ") + QString::number(a_) +
           QStringLiteral(" - ") + QString::number(b_) + QStringLiteral(" - ") + written_;
}

QString SourceLine::operandProblem() const {
    if (mnemonic_ != u"ERROR ") return {};
    const auto problem = [this]() -> QString {
        const QString& w = written_;
        if (w.isEmpty()) return QStringLiteral("is empty");
        if (w.startsWith(u'+') || (w.startsWith(u'-') && a_ >= 0))
            return QStringLiteral("has a sign");
        if (w.contains(u' ')) return QStringLiteral("has a blank inside");
        if (w.contains(u'.')) return QStringLiteral("is a fraction");
        const qsizetype first = w.startsWith(u'-') ? 1 : 0;
        if (w.size() > first + 1 && w[first] == u'0' && w[first + 1].isDigit())
            return QStringLiteral("has a leading zero");
        if (std::abs(a_) == Limit) return QStringLiteral("is too large");
        return QStringLiteral("is not a number");
    };
    return QStringLiteral("operand 1 \"%1\" %2").arg(Excerpt::of(written_), problem());
}

// The operand's numeric reading, rounded to a whole number (halves to even).
int SourceLine::valueOf(QStringView operand) {
    const int value = NumericText::floorInt(std::nearbyint(NumericText::value(operand)));
    return std::clamp(value, -Limit, Limit);
}

// The operand as written, with "&H" hexadecimal turned into decimal.
QString SourceLine::asWritten(QStringView operand) {
    const QStringView written = Blanks::trimmed(operand);
    if (written.size() > 2 && written[0] == u'&' && written[1].toUpper() == u'H') {
        bool ok = false;
        const qlonglong value = written.mid(2).toLongLong(&ok, 16);
        if (ok && !written.mid(2).startsWith(u'-') && !written.mid(2).startsWith(u'+'))
            return QString::number(value);
    }
    return written.toString();
}
