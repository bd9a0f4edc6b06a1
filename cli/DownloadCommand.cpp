#include "DownloadCommand.h"

#include "Assmber.h"
#include "LineSession.h"
#include "Link.h"
#include "PortOption.h"
#include "ProgramDownload.h"
#include "ProgramFolder.h"
#include "ProgressReport.h"
#include "SourceInput.h"

#include <QTextStream>

#include <unistd.h>

namespace {

using enum LineSession::Status;

struct Options {
    PortOption::Choice line;
    QString mapName;
    int delayMs = Link::DefaultDelayMs;
    QString source;
};

QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (PortOption::takeCommon(reader, arg, options.line, help)) continue;
        if (arg == u"--name")
            options.mapName = reader.value();
        else if (arg == u"--delay")
            reader.milliseconds(options.delayMs);
        else
            reader.fail(SourceInput::takeName(arg, options.source));
    }
    reader.fail(Assmber::mapNameProblem(options.mapName));
    reader.fail(SourceInput::named(options.source, help));
    return reader.error();
}

int statusOf(ProgramDownload::Outcome outcome) {
    switch (outcome) {
    case ProgramDownload::Outcome::Done:
        return Done;
    case ProgramDownload::Outcome::NoAnswer:
        return NoAnswer;
    case ProgramDownload::Outcome::NotAcknowledged:
        return NotAcknowledged;
    case ProgramDownload::Outcome::Stopped:
        return Interrupted;
    case ProgramDownload::Outcome::AssemblyError:
    case ProgramDownload::Outcome::MacroError:
    case ProgramDownload::Outcome::BadImage:
        break;
    }
    return Failed;
}

// Runs the download on the application's event loop; the status to end with.
int download(const Options& options, const ProgramFolder& folder, const QString& source,
             QTextStream& out, QTextStream& err) {
    LineSession session(folder, options.line, out, err, false);
    if (!session.opened()) return NoPort;
    Link& link = session.link();
    link.setDelayMs(options.delayMs);
    Assmber assmber(folder);
    assmber.setWithController(true);
    assmber.setMapName(options.mapName);
    ProgramDownload programDownload(link, assmber);
    ProgressReport progress(err, isatty(STDERR_FILENO));
    QObject::connect(&programDownload, &ProgramDownload::transferProgress,
                     [&](float percent) { progress.show(percent); });
    QObject::connect(&programDownload, &ProgramDownload::finished,
                     [](ProgramDownload::Outcome outcome) { LineSession::end(statusOf(outcome)); });
    session.setLossNote([&programDownload] {
        return programDownload.running() ? QStringLiteral("; ") + programDownload.stoppedText()
                                         : QString();
    });
    // Ctrl-C gives up the transfer after the write under way.
    session.setInterrupt([&programDownload] { programDownload.stop(); });
    const int status = session.run([&] { programDownload.start(source); });
    progress.end(status == Done);
    if (status == NoPort) return status;
    if (programDownload.outcome() == ProgramDownload::Outcome::NoAnswer)
        err << "obelc: " << programDownload.failure() << " (no answer on " << session.lineName()
            << ")\n";
    else if (status != Done)
        err << (programDownload.outcome() == ProgramDownload::Outcome::AssemblyError
                    ? QString()
                    : QStringLiteral("obelc: "))
            << programDownload.failure() << "\n";
    for (const QString& fileError : assmber.fileErrors())
        err << "obelc: cannot write " << fileError << "\n";
    return status == Done && !assmber.fileErrors().isEmpty() ? int(Failed) : status;
}

} // namespace

const char* DownloadCommand::usage() {
    return "usage: obelc download [-C PROGRAM_DIR] [--port PORT] [--baud N] [--name MAPNAME]\n"
           "                      [--delay MS] SOURCE|-\n"
           "\n"
           "Checks the link to the controller, assembles SOURCE (a file, or - for stdin)\n"
           "with its macro blocks, halts the controller, writes the image into it byte by\n"
           "byte (each acknowledged, three attempts) and starts it, as the assembler\n"
           "window's \"Assm\" does with \"WR\" ticked. Progress goes to stderr.\n"
           "\n"
           "%1"
           "  --name MAPNAME  the map's name: writes plc/NAME.BIN and mac/MAPNAME once the\n"
           "                  whole image is in the controller\n"
           "  --delay MS      the length of one DELAY, the wait for an answer (default 300)\n"
           "  -h, --help      this text\n"
           "\n"
           "Exit status:\n"
           "  0  the program is in the controller and runs\n"
           "  1  an assembly or macro error, or a code image record that does not read\n"
           "     (the report on stderr; nothing sent after the link check), or a file\n"
           "     that could not be written\n"
           "  2  bad usage\n"
           "  3  no answer to the link check (\"RS-232 ERROR !!\")\n"
           "  4  a byte write not acknowledged (\"Load ERROR !!\" and its address); the\n"
           "     controller stays halted\n"
           "  5  the port cannot be opened or was lost, or what was written did not\n"
           "     leave it (its name, the reason and where the transfer stopped)\n"
           "  130 interrupted (SIGINT or SIGTERM): the transfer stops after the write\n"
           "     under way and says where; the controller stays halted\n";
}

int DownloadCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    QString root;
    if (const auto status =
            PortOption::begin("download", usage(), args, options, parse, root, out, err))
        return *status;
    const auto source = SourceInput::read(options.source, err);
    if (!source) return Failed;
    return download(options, ProgramFolder(root), *source, out, err);
}
