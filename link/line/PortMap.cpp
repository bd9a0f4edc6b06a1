#include "PortMap.h"

#include "LineReader.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

PortMap PortMap::read(const ProgramFolder& folder) {
    PortMap map;
    const auto text = TextFile::read(folder.path(QString::fromLatin1(FileName)));
    if (!text) return map;
    for (const QString& raw : LineReader::lines(*text)) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'#')) continue;
        const qsizetype equals = line.indexOf(u'=');
        const QString name = line.left(equals).trimmed();
        if (equals < 0 || !name.startsWith(QStringLiteral("COM"), Qt::CaseInsensitive)) continue;
        bool ok = false;
        const int port = name.mid(3).toInt(&ok);
        const QString target = line.mid(equals + 1).trimmed();
        if (ok && port > 0 && !target.isEmpty()) map.targets_[port] = target;
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
