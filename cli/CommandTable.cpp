// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include "AssembleCommand.h"
#include "CheckCommand.h"
#include "ClockCommand.h"
#include "ConvertCommand.h"
#include "DiffCommand.h"
#include "DownloadCommand.h"
#include "ExportCommand.h"
#include "PlotCommand.h"
#include "PortOption.h"
#include "PortsCommand.h"
#include "PrintCommand.h"
#include "RunStopCommand.h"
#include "SecondModelCommand.h"
#include "ServiceCommand.h"
#include "ShowCommand.h"
#include "SimCommand.h"
#include "TableCommand.h"
#include "TraceCommand.h"

namespace {

using Command = CommandTable::Command;

// A command whose usage is a fixed text.
Command plain(const char* name, const char* summary, const char* (*usage)(), CommandTable::Run run,
              bool draws = false) {
    return {QString::fromLatin1(name), QString::fromLatin1(summary),
            [usage] { return QString::fromLatin1(usage()); }, std::move(run), draws};
}

// A command on the line, whose usage takes the line options' lines.
Command onLine(const char* name, const char* summary, const char* (*usage)(),
               CommandTable::Run run) {
    return {QString::fromLatin1(name), QString::fromLatin1(summary),
            [usage] { return PortOption::withLineOptions(usage()); }, std::move(run)};
}

Command runStop(RunStopCommand::Frame frame, const char* summary) {
    return {QString::fromLatin1(RunStopCommand::name(frame)), QString::fromLatin1(summary),
            [frame] { return RunStopCommand::usage(frame); },
            [frame](const QStringList& args, QTextStream& out, QTextStream& err) {
                return RunStopCommand::run(frame, args, out, err);
            }};
}

Command service(ServiceCommand::Tool tool, const char* summary) {
    return {QString::fromLatin1(ServiceCommand::name(tool)), QString::fromLatin1(summary),
            [tool] { return ServiceCommand::usage(tool); },
            [tool](const QStringList& args, QTextStream& out, QTextStream& err) {
                return ServiceCommand::run(tool, args, out, err);
            }};
}

} // namespace

const std::vector<Command>& CommandTable::commands() {
    using Tool = ServiceCommand::Tool;
    static const std::vector<Command> table{
        plain("convert", "convert a ladder map into instruction text", ConvertCommand::usage,
              ConvertCommand::run),
        plain("check", "find the mistakes of a ladder map before it reaches the controller",
              CheckCommand::usage, CheckCommand::run),
        plain("print", "draw the print window of a map page into a PDF file", PrintCommand::usage,
              PrintCommand::run, true),
        plain("export", "draw the print window of a map page into an SVG or PNG file",
              ExportCommand::usage, ExportCommand::run, true),
        plain("plot", "draw a recording of the tracer into a PNG or SVG file", PlotCommand::usage,
              PlotCommand::run, true),
        plain("show", "a map as readable text, page by page and rung by rung", ShowCommand::usage,
              ShowCommand::run),
        plain("diff", "the cells added, removed and changed between two maps", DiffCommand::usage,
              DiffCommand::run),
        plain("assemble", "assemble instruction text into a code image", AssembleCommand::usage,
              AssembleCommand::run),
        onLine("download", "assemble instruction text and load it into the controller",
               DownloadCommand::usage, DownloadCommand::run),
        runStop(RunStopCommand::Frame::Start, "start the controller"),
        runStop(RunStopCommand::Frame::Halt, "halt the controller"),
        onLine("trace", "watch the controller's memory, as the tracer does", TraceCommand::usage,
               TraceCommand::run),
        service(Tool::WriteMemory, "the raw memory write of the \"Write Memory\" panel"),
        service(Tool::LinkTest, "the raw test frame of the \"R/T Test\" panel"),
        service(Tool::Request, "a free Modbus request, as the \"Modef Test\" panel sends it"),
        service(Tool::Frame, "nine free bytes and their CRC, as the \"TRMT\" panel sends them"),
        onLine("clock", "set the controller's clock, or read it back", ClockCommand::usage,
               ClockCommand::run),
        onLine("table", "write a table of bytes from TAB/ into the controller's memory",
               TableCommand::usage, TableCommand::run),
        onLine("hrim", "the second model's loader commands: dw, reset", SecondModelCommand::usage,
               SecondModelCommand::run),
        plain("sim", "run the virtual controller on a pty or a TCP port", SimCommand::usage,
              SimCommand::run),
        plain("ports", "show which line each port option means, and this machine's ports",
              PortsCommand::usage, PortsCommand::run),
    };
    return table;
}

const Command* CommandTable::named(QStringView name) {
    for (const Command& command : commands())
        if (command.name == name) return &command;
    return nullptr;
}

QString CommandTable::usage() {
    QString text = QStringLiteral("usage: obelc COMMAND [OPTIONS]\n\nCommands:\n");
    for (const Command& command : commands())
        text += QStringLiteral("  %1 %2\n").arg(command.name, -13).arg(command.summary);
    return text +
           QStringLiteral("\n"
                          "obelc COMMAND --help tells more about a command.\n"
                          "\n"
                          "Exit status: 0 done, 1 a file, folder or the controller failed, 2 bad "
                          "usage;\n"
                          "diff, as diff does: 0 the maps are equal, 1 they differ, 2 trouble;\n"
                          "check: 0 no errors, 1 an error (--strict: or a warning), 2 trouble.\n");
}
