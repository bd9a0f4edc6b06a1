// SPDX-License-Identifier: GPL-3.0-or-later
#include "Blanks.h"

QStringView Blanks::trimmed(QStringView text) {
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

QString Blanks::trimmed(const QString& text) {
    const QStringView view = trimmed(QStringView(text));
    return view.size() == text.size() ? text : view.toString();
}

bool Blanks::isBlank(QStringView text) {
    return trimmed(text).isEmpty();
}
