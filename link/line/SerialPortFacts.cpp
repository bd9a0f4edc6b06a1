// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialPortFacts.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// ttyUSB0 for /dev/ttyUSB0 and for a /dev/serial/by-id link to it.
QString kernelName(const QString& device) {
    const QString resolved = QFileInfo(device).canonicalFilePath();
    return QFileInfo(resolved.isEmpty() ? device : resolved).fileName();
}

} // namespace

QString SerialPortFacts::describe(const QString& device, const QString& sysfs,
                                  const LowLatency::Ioctl& ioctl) {
    const QString name = driver(device, sysfs);
    QString text = QStringLiteral("driver ") + (name.isEmpty() ? QStringLiteral("unknown") : name);
    text += QStringLiteral(", ") + lowLatency(device, ioctl);
    if (const auto timer = latencyTimer(device, sysfs))
        text += QStringLiteral(", latency timer %1 ms").arg(*timer);
    return text;
}

// The serial core puts devices of its own (a port, a controller) between a
// UART's tty and the driver of the hardware: those are passed over.
QString SerialPortFacts::driver(const QString& device, const QString& sysfs) {
    const QString devices = QFileInfo(sysfs + QStringLiteral("/devices")).canonicalFilePath();
    QString path = QFileInfo(sysfs + QStringLiteral("/class/tty/") + kernelName(device) +
                             QStringLiteral("/device"))
                       .canonicalFilePath();
    while (!devices.isEmpty() && path.startsWith(devices + u'/')) {
        const QString owner = QFileInfo(path + QStringLiteral("/driver")).canonicalFilePath();
        if (!owner.isEmpty() && !owner.contains(QStringLiteral("/bus/serial-base/")))
            return QFileInfo(owner).fileName();
        path = QFileInfo(path).path();
    }
    return {};
}

std::optional<int> SerialPortFacts::latencyTimer(const QString& device, const QString& sysfs) {
    QFile file(sysfs + QStringLiteral("/bus/usb-serial/devices/") + kernelName(device) +
               QStringLiteral("/latency_timer"));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    bool ok = false;
    const int ms = file.readLine(16).trimmed().toInt(&ok);
    return ok ? std::optional<int>(ms) : std::nullopt;
}

// Opened without becoming the controlling terminal and without waiting for a
// carrier; the line's settings are not touched.
QString SerialPortFacts::lowLatency(const QString& device, const LowLatency::Ioctl& ioctl) {
    const int fd =
        ::open(QFile::encodeName(device).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("low latency unknown (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    LowLatency flag(ioctl);
    const std::optional<bool> on = flag.state(fd);
    ::close(fd);
    if (!on) return QStringLiteral("no low latency (%1)").arg(flag.reason());
    return *on ? QStringLiteral("low latency on") : QStringLiteral("low latency off");
}
