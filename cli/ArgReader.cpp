#include "ArgReader.h"

QString ArgReader::value() {
    if (at_ < args_.size()) return args_[at_++];
    fail(args_.value(at_ - 1) + QStringLiteral(" needs a value"));
    return {};
}

void ArgReader::milliseconds(int& ms, int minimum) {
    const QString option = args_.value(at_ - 1);
    const QString text = value();
    if (!error_.isEmpty()) return;
    bool number = false;
    const int value = text.toInt(&number);
    if (number && value >= minimum)
        ms = value;
    else
        fail(option + QStringLiteral(" needs milliseconds, not ") + text);
}
