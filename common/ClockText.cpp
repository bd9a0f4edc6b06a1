#include "ClockText.h"

#include <QRegularExpression>
#include <QStringList>

QString ClockText::of(const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
    const int weekday = date.dayOfWeek() % 7 + 1;
    return QStringList{QString::number(date.year()),
                       two(date.month()),
                       two(weekday),
                       two(date.day()),
                       two(time.hour()),
                       two(time.minute()),
                       two(time.second())}
        .join(u' ');
}

bool ClockText::valid(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}( \\d\\d){6}$"));
    if (!form.match(text).hasMatch()) return false;
    const auto number = [&text](int from, int length) { return text.mid(from, length).toInt(); };
    const int weekday = number(8, 2);
    return weekday >= 1 && weekday <= 7 && QDate(number(0, 4), number(5, 2), number(11, 2)).isValid() &&
           QTime(number(14, 2), number(17, 2), number(20, 2)).isValid();
}
