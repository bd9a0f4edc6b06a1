// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadAnswer.h"

#include "ControllerFacts.h"
#include "HexText.h"
#include "ModbusCrc.h"

QString ReadAnswer::fault(const QByteArray& bytes, quint8 slave, int registers) {
    const qsizetype size = HeaderBytes + 2 * registers + CrcBytes;
    const auto at = [&](int i) { return static_cast<quint8>(bytes.at(i)); };
    if (bytes.isEmpty()) return QStringLiteral("no answer");
    if (at(0) != slave) return QStringLiteral("wrong slave %1").arg(hexText(at(0), 2));
    if (bytes.size() > 2 &&
        at(1) == (ControllerFacts::ReadHoldingRegisters | ControllerFacts::ExceptionFlag))
        return QStringLiteral("exception %1").arg(hexText(at(2), 2));
    if (bytes.size() > 1 && at(1) != ControllerFacts::ReadHoldingRegisters)
        return QStringLiteral("wrong function %1").arg(hexText(at(1), 2));
    if (bytes.size() > 2 && at(2) != 2 * registers)
        return QStringLiteral("wrong byte count %1").arg(at(2));
    if (bytes.size() < size) return QStringLiteral("short answer (%1 bytes)").arg(bytes.size());
    if (bytes.size() > size) return QStringLiteral("long answer (%1 bytes)").arg(bytes.size());
    if (!ModbusCrc::closes(bytes)) return QStringLiteral("bad CRC");
    return {};
}

QByteArray ReadAnswer::data(const QByteArray& answer) {
    return answer.mid(HeaderBytes, answer.size() - HeaderBytes - CrcBytes);
}
