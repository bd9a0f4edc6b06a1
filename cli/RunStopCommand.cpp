#include "RunStopCommand.h"

#include "Frames.h"
#include "LineSession.h"
#include "PortOption.h"
#include "ProgramFolder.h"

#include <QTextStream>

namespace {

QString parse(const QStringList& args, PortOption::Choice& choice, bool& help) {
    ArgReader reader(args);
    while (reader.more())
        if (const QString& arg = reader.next(); !PortOption::takeCommon(reader, arg, choice, help))
            reader.fail(QStringLiteral("unknown argument ") + arg);
    return reader.error();
}

} // namespace

const char* RunStopCommand::name(Frame frame) {
    return frame == Frame::Start ? "run" : "stop";
}

QString RunStopCommand::usage(Frame frame) {
    return QStringLiteral("usage: obelc %1 [-C PROGRAM_DIR] [--port PORT] [--baud N]\n"
                          "\n"
                          "Sends the %2 frame to the controller, as the assembler window's\n"
                          "run/stop button does; no answer is awaited. Says so once the frame\n"
                          "has left the line.\n"
                          "\n"
                          "%3"
                          "  -h, --help      this text\n"
                          "\n"
                          "Exit status: 0 the frame went out, 1 no program folder, 2 bad usage,\n"
                          "5 the port cannot be opened or did not send what was written.\n"
                          "130 interrupted (SIGINT or SIGTERM).\n")
        .arg(QString::fromLatin1(name(frame)),
             frame == Frame::Start ? QStringLiteral("start") : QStringLiteral("halt"),
             QString::fromLatin1(PortOption::usage()));
}

int RunStopCommand::run(Frame frame, const QStringList& args, QTextStream& out, QTextStream& err) {
    PortOption::Choice choice;
    bool help = false;
    const QString usageError = parse(args, choice, help);
    QString root;
    if (const auto status =
            PortOption::start(name(frame), usageError, help, usage(frame), choice, root, out, err))
        return *status;
    LineSession session(ProgramFolder(root), choice, out, err, false);
    const int status = session.run([&] {
        session.link().send(frame == Frame::Start ? &Frames::start : &Frames::halt);
        LineSession::end(LineSession::Done);
    });
    // Nothing answers these frames: what can be said is that they left the line.
    if (status == LineSession::Done)
        out << (frame == Frame::Start ? "start" : "halt") << " frame sent on " << session.lineName()
            << "\n";
    return status;
}
