// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramFolder.h"

#include <QMap>
#include <QString>
#include <QStringList>

// Which line each of the port options COM1 to COM5 means on this machine,
// from def/comports.def: lines "COMn=TARGET", TARGET a serial device path
// (/dev/ttyUSB0, /dev/serial/by-id/...), "tcp:HOST:PORT" for a serial line
// served over TCP, or "sim" for the virtual controller; lines starting with
// "#" are comments. A port the file does not name is /dev/ttyUSB(n-1).
class PortMap {
public:
    static constexpr const char* FileName = "def/comports.def";

    static PortMap read(const ProgramFolder& folder);

    QString target(int port) const;
    // What in the file could not be used, in words that name it; the ports
    // it leaves out mean their default.
    const QStringList& problems() const { return problems_; }
    static QString defaultTarget(int port);

    struct MachinePort {
        QString device; // /dev/ttyUSB0
        QString name;   // its stable /dev/serial/by-id name and description where there are such
    };
    // The serial ports this machine has, for the user to put into the file.
    static QList<MachinePort> machineSerialPorts();
    // Their names alone.
    static QStringList machinePorts();

private:
    QMap<int, QString> targets_;
    QStringList problems_;
};
