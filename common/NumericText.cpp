// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumericText.h"

#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

int hexDigit(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

double hexValue(QStringView text, qsizetype i) {
    double v = 0;
    for (int d; i < text.size() && (d = hexDigit(text[i])) >= 0; ++i)
        v = v * 16 + d;
    return v;
}

} // namespace

double NumericText::value(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i + 1 < text.size() && text[i] == u'&' && text[i + 1].toUpper() == u'H')
        return hexValue(text, i + 2);

    double sign = 1;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-') sign = -1;
        ++i;
    }
    double v = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        v = v * 10 + (text[i].unicode() - u'0');
    if (i < text.size() && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, scale /= 10)
            v += (text[i].unicode() - u'0') * scale;
    }
    return sign * v;
}

int NumericText::floorInt(double value) {
    const double f = std::floor(value);
    if (std::isnan(f)) return 0;
    if (f <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    if (f >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(f);
}
