// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortsCommand.h"

#include "CommandStart.h"
#include "PortMap.h"
#include "ProgramFolderOption.h"
#include "SerialPortFacts.h"

#include <QTextStream>

namespace {

// The port options COM1 to COM5 of the assembler window.
constexpr int PortOptions = 5;

QString parse(const QStringList& args, QString& programDir, bool& help) {
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == u"-h" || args[i] == u"--help") {
            help = true;
        } else if (args[i] == u"-C" && i + 1 < args.size()) {
            programDir = args[++i];
        } else {
            return args[i] == u"-C" ? QStringLiteral("-C needs a value")
                                    : QStringLiteral("unknown argument ") + args[i];
        }
    }
    return {};
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
    bool help = false;
    const QString usageError = parse(args, programDir, help);
    if (const auto status = CommandStart::afterParse("ports", usageError, help, usage(), out, err))
        return *status;
    const QString root = ProgramFolderOption::resolve(programDir, err);
    if (root.isEmpty()) return 1;

    const PortMap map = PortMap::read(ProgramFolder(root));
    for (int port = 1; port <= PortOptions; ++port)
        out << "COM" << port << "=" << map.target(port) << "\n";
    const QList<PortMap::MachinePort> machine = PortMap::machineSerialPorts();
    out << "\n# Serial ports of this machine:" << (machine.isEmpty() ? " none" : "") << "\n";
    for (const PortMap::MachinePort& port : machine)
        out << "#   " << port.name << ": " << SerialPortFacts::describe(port.device) << "\n";
    return 0;
}
