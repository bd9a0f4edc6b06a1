// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSerialPort>
#include <QString>

#include <optional>

// The line settings text of the port ("9600,e,8,1": baud rate, parity letter,
// data bits, stop bits) and what it means. A default one is DefaultText.
class LineSettings {
public:
    static constexpr const char* DefaultText = "9600,e,8,1";

    // Nothing when the text is not four such fields.
    static std::optional<LineSettings> parse(const QString& text);

    const QString& text() const { return text_; }
    qint32 baud() const { return baud_; }
    QSerialPort::Parity parity() const { return parity_; }
    QSerialPort::DataBits dataBits() const { return dataBits_; }
    QSerialPort::StopBits stopBits() const { return stopBits_; }

    static QString parityName(QSerialPort::Parity parity);

private:
    QString text_ = QString::fromLatin1(DefaultText);
    qint32 baud_ = 9600;
    QSerialPort::Parity parity_ = QSerialPort::EvenParity;
    QSerialPort::DataBits dataBits_ = QSerialPort::Data8;
    QSerialPort::StopBits stopBits_ = QSerialPort::OneStop;
};
