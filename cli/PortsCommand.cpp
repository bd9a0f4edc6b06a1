// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortsCommand.h"

#include "ArgReader.h"

#include "PortSettings.h"

#include "CommandStart.h"
#include "PortMap.h"
#include "ProgramFolderOption.h"
#include "SerialPortFacts.h"

#include <QTextStream>

namespace {

QString parse(const QStringList& args, QString& programDir, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (ArgReader::isHelp(arg))
            help = true;
        else if (arg == u"-C")
            programDir = reader.value();
        else
            reader.fail(QStringLiteral("unknown argument ") + arg);
    }
    return reader.error();
}

} // namespace

const char* PortsCommand::usage() {
    return "usage: obelc ports [-C PROGRAM_DIR]\n"
           "\n"
           "Prints the line each port option means (def/comports.def, as COMn=TARGET\n"
           "lines that can go back into the file) and the serial ports this machine has,\n"
           "each with its driver, whether low latency is on, and a USB adapter's latency\n"
           "timer, where they can be read.\n"
           "\n"
           "  -C PROGRAM_DIR  the program folder (default: the one Obel uses)\n"
           "  -h, --help      this text\n";
}

int PortsCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString programDir;
    if (const auto status =
            CommandStart::parse("ports", usage(), args, programDir, parse, out, err))
        return *status;
    const QString root = ProgramFolderOption::resolve(programDir, err);
    if (root.isEmpty()) return 1;

    const PortMap map = PortMap::read(ProgramFolder(root));
    // The ports the assembler window offers, COM1 to COM5.
    for (int port = 1; port <= PortSettings::portOptions().size(); ++port)
        out << "COM" << port << "=" << map.target(port) << "\n";
    const QList<PortMap::MachinePort> machine = PortMap::machineSerialPorts();
    out << "\n# Serial ports of this machine:" << (machine.isEmpty() ? " none" : "") << "\n";
    for (const PortMap::MachinePort& port : machine)
        out << "#   " << port.name << ": " << SerialPortFacts::describe(port.device) << "\n";
    return 0;
}
