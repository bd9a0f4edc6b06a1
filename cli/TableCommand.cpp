#include "TableCommand.h"

#include "HexText.h"
#include "LineSession.h"
#include "PortOption.h"
#include "ProgramFolder.h"
#include "TableWrite.h"

#include <QTextStream>

namespace {

struct Options {
    PortOption::Choice line;
    int delayMs = Link::DefaultDelayMs;
    QString name;
};

QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (PortOption::takeCommon(reader, arg, options.line, help)) continue;
        if (arg == u"--delay")
            reader.milliseconds(options.delayMs);
        else if (options.name.isEmpty() && !arg.trimmed().isEmpty())
            options.name = arg;
        else
            reader.fail(QStringLiteral("unknown argument ") + arg);
    }
    if (reader.error().isEmpty() && !help && options.name.isEmpty())
        return QStringLiteral("the table's NAME is missing");
    return reader.error();
}

} // namespace

const char* TableCommand::usage() {
    return "usage: obelc table [-C PROGRAM_DIR] [--port PORT] [--baud N] [--delay MS] NAME\n"
           "\n"
           "Writes the table TAB/NAME.tab of the program folder into the controller's\n"
           "memory: the halt frame, every item with an acknowledged byte write (three\n"
           "attempts) to the address whose high byte is the offset + 10 and whose low\n"
           "byte is the item's number, then the start frame. The table is read and\n"
           "checked whole first; nothing is sent when it has a fault. Prints every frame.\n"
           "\n"
           "%1"
           "  --delay MS      the length of one DELAY, the wait for an answer (default 300)\n"
           "  -h, --help      this text\n"
           "\n"
           "Exit status: 0 written and started, 1 no program folder or a table that cannot\n"
           "be read or has a fault (nothing sent), 2 bad usage, 4 a byte write not\n"
           "acknowledged (\"Load ERROR !!\"; the controller stays halted), 5 the port\n"
           "cannot be opened or did not send what was written.\n"
           "130 interrupted (SIGINT or SIGTERM).\n";
}

int TableCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    QString root;
    if (const auto status =
            PortOption::begin("table", usage(), args, options, parse, root, out, err))
        return *status;
    const ProgramFolder folder(root);
    QString error;
    const auto table = TableFile::read(TableFile::path(folder, options.name), &error);
    if (!table) {
        err << "obelc: " << error << " Nothing was sent.\n";
        return LineSession::Failed;
    }
    LineSession session(folder, options.line, out, err);
    session.link().setDelayMs(options.delayMs);
    TableWrite write(session.link());
    QObject::connect(&write, &TableWrite::finished, [&](TableWrite::Outcome outcome) {
        if (outcome == TableWrite::Outcome::Done) return LineSession::end(LineSession::Done);
        err << "obelc: " << TableWrite::NotAcknowledgedText
            << " (no acknowledgement of the write at " << hexText(write.failedAddress(), 4)
            << "; the controller stays halted)\n";
        LineSession::end(LineSession::NotAcknowledged);
    });
    return session.run([&] { write.start(*table); });
}
