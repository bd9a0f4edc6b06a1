// obelc's argument parsing: the arguments of a command (the input's lines)
// with "--help" twice after them, so that every command stops once it has
// read its arguments, whatever they were, and nothing opens a line or runs.

#include "AssembleCommand.h"
#include "ConvertCommand.h"
#include "DiffCommand.h"
#include "DownloadCommand.h"
#include "ExportCommand.h"
#include "FuzzInput.h"
#include "PortsCommand.h"
#include "RunStopCommand.h"
#include "ShowCommand.h"
#include "SimCommand.h"
#include "TraceCommand.h"

#include <QTextStream>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::application();
    if (size == 0) return 0;
    QStringList args =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1))
            .split(u'\n');
    // An option left waiting for its value takes the first "--help".
    args << QStringLiteral("--help") << QStringLiteral("--help");
    QString printed;
    QTextStream out(&printed), err(&printed);
    int status = -1;
    switch (data[0] % 11) {
    case 0:
        status = ConvertCommand::run(args, out, err);
        break;
    case 1:
        status = AssembleCommand::run(args, out, err);
        break;
    case 2:
        status = DownloadCommand::run(args, out, err);
        break;
    case 3:
        status = RunStopCommand::run(RunStopCommand::Frame::Start, args, out, err);
        break;
    case 4:
        status = RunStopCommand::run(RunStopCommand::Frame::Halt, args, out, err);
        break;
    case 5:
        status = TraceCommand::run(args, out, err);
        break;
    case 6:
        status = SimCommand::run(args, out, err);
        break;
    case 7:
        status = ShowCommand::run(args, out, err);
        break;
    case 8:
        status = DiffCommand::run(args, out, err);
        break;
    case 9:
        status = ExportCommand::run(args, out, err);
        break;
    default:
        status = PortsCommand::run(args, out, err);
        break;
    }
    // Help or a usage error, nothing else.
    if (status != 0 && status != 2) std::abort();
    return 0;
}
