// obelc: Obel's cores without a window.

#include "AssembleCommand.h"
#include "ClockCommand.h"
#include "CommandStart.h"
#include "ConvertCommand.h"
#include "DiffCommand.h"
#include "DownloadCommand.h"
#include "ExportCommand.h"
#include "HrimCommand.h"
#include "MapPdf.h"
#include "PortsCommand.h"
#include "PrintCommand.h"
#include "RunStopCommand.h"
#include "ServiceCommand.h"
#include "ShowCommand.h"
#include "SimCommand.h"
#include "TableCommand.h"
#include "TraceCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
const char* usage() {
    return "usage: obelc COMMAND [OPTIONS]\n"
           "\n"
           "Commands:\n"
           "  convert       convert a ladder map into instruction text\n"
           "  print         draw the print window of a map page into a PDF file\n"
           "  export        draw the print window of a map page into an SVG or PNG file\n"
           "  show          a map as readable text, page by page and rung by rung\n"
           "  diff          the cells added, removed and changed between two maps\n"
           "  assemble      assemble instruction text into a code image\n"
           "  download      assemble instruction text and load it into the controller\n"
           "  run           start the controller\n"
           "  stop          halt the controller\n"
           "  trace         watch the controller's memory, as the tracer does\n"
           "  write-memory  the raw memory write of the \"Write Memory\" panel\n"
           "  link-test     the raw test frame of the \"R/T Test\" panel\n"
           "  request       a free Modbus request, as the \"Modef Test\" panel sends it\n"
           "  frame         nine free bytes and their CRC, as the \"TRMT\" panel sends them\n"
           "  clock         set the controller's clock, or read it back\n"
           "  table         write a table of bytes from TAB/ into the controller's memory\n"
           "  hrim          the second model's loader commands: dw, reset\n"
           "  sim           run the virtual controller on a pty or a TCP port\n"
           "  ports         show which line each port option means, and this machine's ports\n"
           "\n"
           "obelc COMMAND --help tells more about a command.\n"
           "\n"
           "Exit status: 0 done, 1 a file, folder or the controller failed, 2 bad usage;\n"
           "diff, as diff does: 0 the maps are equal, 1 they differ, 2 trouble.\n";
}

using Command = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

// Commands that draw need a Gui application, on the offscreen platform.
int drawing(int argc, char* argv[], Command command) {
    return MapPdf::headless(argc, argv, [command](const QStringList& arguments) {
        QCoreApplication::setApplicationName(QStringLiteral("Obel"));
        QTextStream out(stdout), err(stderr);
        if (const auto refused = CommandStart::refuseEmpty(arguments[1], arguments.mid(2), err))
            return *refused;
        return command(arguments.mid(2), out, err);
    });
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "print") == 0) return drawing(argc, argv, PrintCommand::run);
    if (argc > 1 && qstrcmp(argv[1], "export") == 0) return drawing(argc, argv, ExportCommand::run);
    QCoreApplication app(argc, argv);
    // The same name as the program, so both find the same program folder.
    QCoreApplication::setApplicationName(QStringLiteral("Obel"));
    QTextStream out(stdout), err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << usage();
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == u"-h" || command == u"--help" || command == u"help") {
        out << usage();
        return 0;
    }
    if (command == u"--version") {
        out << "obelc " OBEL_VERSION "\n";
        return 0;
    }
    if (const auto refused = CommandStart::refuseEmpty(command, args, err)) return *refused;
    if (command == u"convert") return ConvertCommand::run(args, out, err);
    if (command == u"show") return ShowCommand::run(args, out, err);
    if (command == u"diff") return DiffCommand::run(args, out, err);
    if (command == u"assemble") return AssembleCommand::run(args, out, err);
    if (command == u"download") return DownloadCommand::run(args, out, err);
    if (command == u"run") return RunStopCommand::run(RunStopCommand::Frame::Start, args, out, err);
    if (command == u"stop") return RunStopCommand::run(RunStopCommand::Frame::Halt, args, out, err);
    if (command == u"trace") return TraceCommand::run(args, out, err);
    if (const auto tool = ServiceCommand::named(command))
        return ServiceCommand::run(*tool, args, out, err);
    if (command == u"clock") return ClockCommand::run(args, out, err);
    if (command == u"table") return TableCommand::run(args, out, err);
    if (command == u"hrim") return HrimCommand::run(args, out, err);
    if (command == u"sim") return SimCommand::run(args, out, err);
    if (command == u"ports") return PortsCommand::run(args, out, err);
    err << "obelc: unknown command " << command << "\n" << usage();
    return 2;
}
