// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalText.h"

#include <QFile>
#include <QTextStream>

#include <unistd.h>

namespace {
bool harmless(char32_t c) {
    return c == u'\n' || c == u'\t' || (QChar::isPrint(c) && c != 0x7f);
}
QString hex(char32_t c) {
    return QString::number(uint(c), 16).toUpper();
}
} // namespace

QString TerminalText::shown(const QString& text) {
    QString shownText;
    shownText.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n') continue;
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (harmless(c))
            shownText += QString::fromUcs4(&c, 1);
        else if (c < 0x100)
            shownText += QStringLiteral("\\x") + hex(c).rightJustified(2, u'0');
        else
            shownText += QStringLiteral("\\u{") + hex(c) + u'}';
    }
    if (!shownText.isEmpty() && !shownText.endsWith(u'\n')) shownText += u'\n';
    return shownText;
}

bool TerminalText::isTerminal(const QTextStream& stream) {
    const auto* file = qobject_cast<const QFile*>(stream.device());
    return file && isatty(file->handle());
}

void TerminalText::print(QTextStream& stream, const QString& text) {
    stream << (isTerminal(stream) ? shown(text) : text);
}
