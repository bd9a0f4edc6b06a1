// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineSettings.h"

#include <QStringList>

std::optional<LineSettings> LineSettings::parse(const QString& text) {
    const QStringList fields = text.trimmed().split(u',');
    if (fields.size() != 4) return std::nullopt;
    LineSettings line;
    line.text_ = text.trimmed();
    bool ok = false;
    line.baud_ = fields[0].trimmed().toInt(&ok);
    if (!ok || line.baud_ <= 0) return std::nullopt;

    const QString parity = fields[1].trimmed().toLower();
    if (parity == u"e")
        line.parity_ = QSerialPort::EvenParity;
    else if (parity == u"o")
        line.parity_ = QSerialPort::OddParity;
    else if (parity == u"n")
        line.parity_ = QSerialPort::NoParity;
    else if (parity == u"m")
        line.parity_ = QSerialPort::MarkParity;
    else if (parity == u"s")
        line.parity_ = QSerialPort::SpaceParity;
    else
        return std::nullopt;

    const int data = fields[2].trimmed().toInt(&ok);
    if (!ok || data < 5 || data > 8) return std::nullopt;
    line.dataBits_ = static_cast<QSerialPort::DataBits>(data);

    const QString stop = fields[3].trimmed();
    if (stop == u"1")
        line.stopBits_ = QSerialPort::OneStop;
    else if (stop == u"1.5")
        line.stopBits_ = QSerialPort::OneAndHalfStop;
    else if (stop == u"2")
        line.stopBits_ = QSerialPort::TwoStop;
    else
        return std::nullopt;
    return line;
}

QString LineSettings::parityName(QSerialPort::Parity parity) {
    switch (parity) {
    case QSerialPort::EvenParity:
        return QStringLiteral("even parity");
    case QSerialPort::OddParity:
        return QStringLiteral("odd parity");
    case QSerialPort::MarkParity:
        return QStringLiteral("mark parity");
    case QSerialPort::SpaceParity:
        return QStringLiteral("space parity");
    default:
        return QStringLiteral("no parity");
    }
}
