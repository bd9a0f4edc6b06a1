// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortMap.h"

#include "Excerpt.h"
#include "LineReader.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

PortMap PortMap::read(const ProgramFolder& folder) {
    PortMap map;
    const QString shownName = QString::fromLatin1(FileName);
    const QString path = folder.path(QString::fromLatin1(FileName));
    const auto text = TextFile::read(path);
    if (!text) {
        if (QFileInfo::exists(path))
            map.problems_ << QStringLiteral("%1 cannot be read; every port means its default "
                                            "device")
                                 .arg(shownName);
        return map;
    }
    int number = 0;
    for (const QString& raw : LineReader::lines(*text)) {
        ++number;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const qsizetype equals = line.indexOf(u'=');
        const QString name = line.left(equals).trimmed();
        bool ok = false;
        const int port = name.startsWith(QStringLiteral("COM"), Qt::CaseInsensitive)
                             ? name.mid(3).toInt(&ok)
                             : 0;
        const QString target = line.mid(equals + 1).trimmed();
        if (equals >= 0 && ok && port > 0 && !target.isEmpty())
            map.targets_[port] = target;
        else
            map.problems_ << QStringLiteral("%1 line %2: \"%3\" is not COMn=TARGET; passed over")
                                 .arg(shownName)
                                 .arg(number)
                                 .arg(Excerpt::of(line));
    }
    return map;
}

QString PortMap::target(int port) const {
    return targets_.value(port, defaultTarget(port));
}

QString PortMap::defaultTarget(int port) {
    return QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
}

QList<PortMap::MachinePort> PortMap::machineSerialPorts() {
    QMap<QString, QString> stable;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files))
        stable[link.canonicalFilePath()] = link.absoluteFilePath();
    QList<MachinePort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        QString name = stable.value(info.systemLocation(), info.systemLocation());
        if (!info.description().isEmpty()) name += QStringLiteral(" (%1)").arg(info.description());
        ports.append({info.systemLocation(), name});
    }
    return ports;
}

QStringList PortMap::machinePorts() {
    QStringList names;
    for (const MachinePort& port : machineSerialPorts())
        names << port.name;
    return names;
}
