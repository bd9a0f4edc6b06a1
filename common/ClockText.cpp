// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockText.h"

#include <QRegularExpression>
#include <QStringList>

QString ClockText::of(const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
    const int weekday = date.dayOfWeek() % 7 + 1; // Qt counts from 1 on Monday
    return QStringList{QString::number(date.year()),
                       two(date.month()),
                       two(weekday),
                       two(date.day()),
                       two(time.hour()),
                       two(time.minute()),
                       two(time.second())}
        .join(u' ');
}

QString ClockText::problem(const QString& text) {
    static const char* const names[] = {"MM, the month", "WD, the weekday", "DD, the day",
                                        "hh, the hour",  "mm, the minute",  "ss, the second"};
    const QStringList fields = text.split(u' ');
    if (fields.size() != Fields)
        return QStringLiteral("%1 field(s) given, 7 wanted").arg(fields.size());
    static const QRegularExpression year(QStringLiteral("^\\d{4}$")),
        two(QStringLiteral("^\\d\\d$"));
    if (!year.match(fields[0]).hasMatch())
        return QStringLiteral("the year has four digits, not \"%1\"").arg(fields[0]);
    for (int i = 1; i < Fields; ++i)
        if (!two.match(fields[i]).hasMatch())
            return QStringLiteral("%1, has two digits (write 05 for 5), not \"%2\"")
                .arg(QLatin1String(names[i - 1]), fields[i]);
    const int weekday = fields[2].toInt();
    if (weekday < 1 || weekday > 7)
        return QStringLiteral("WD, the weekday, is 01 (Sunday) to 07 (Saturday), not %1")
            .arg(fields[2]);
    if (!QDate(fields[0].toInt(), fields[1].toInt(), fields[3].toInt()).isValid())
        return QStringLiteral("there is no date %1-%2-%3").arg(fields[0], fields[1], fields[3]);
    if (!QTime(fields[4].toInt(), fields[5].toInt(), fields[6].toInt()).isValid())
        return QStringLiteral("there is no time %1:%2:%3").arg(fields[4], fields[5], fields[6]);
    return {};
}

int ClockText::weekdayOfDate(const QString& text) {
    const QStringList f = text.split(u' ');
    return QDate(f[0].toInt(), f[1].toInt(), f[3].toInt()).dayOfWeek() % 7 + 1;
}
