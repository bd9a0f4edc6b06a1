// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlaveOption.h"

#include "ControllerFacts.h"

QString SlaveOption::read(const QString& value, int& slave) {
    bool ok = false;
    const int address = value.toInt(&ok);
    if (!ok || !ControllerFacts::isSlaveAddress(address))
        return QStringLiteral("--slave takes %1 to %2 but not %3-%4 or %5, not %6")
            .arg(ControllerFacts::LowestSlave)
            .arg(ControllerFacts::HighestSlave)
            .arg(ControllerFacts::ByteWrite)
            .arg(ControllerFacts::RawTest)
            .arg(ControllerFacts::Halt)
            .arg(value);
    slave = address;
    return {};
}
