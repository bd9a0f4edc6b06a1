#include "ClockCommand.h"

#include "ClockText.h"
#include "ControllerFacts.h"
#include "LineSession.h"
#include "PortOption.h"
#include "ProgramFolder.h"
#include "ServiceTools.h"
#include "SlaveOption.h"

#include <QTextStream>

namespace {

struct Options {
    PortOption::Choice line;
    int slave = ControllerFacts::DefaultSlave;
    QString time = ClockText::of(QDateTime::currentDateTime());
    bool read = false;
    int delayMs = Link::DefaultDelayMs;
};

QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (PortOption::takeCommon(reader, arg, options.line, help)) continue;
        if (arg == u"--read") {
            options.read = true;
        } else if (arg == u"--delay") {
            reader.milliseconds(options.delayMs);
        } else if (arg == u"--slave") {
            reader.fail(SlaveOption::read(reader.value(), options.slave));
        } else if (arg == u"--time") {
            const QString value = reader.value();
            if (const QString problem = ClockText::problem(value);
                reader.error().isEmpty() && !problem.isEmpty())
                reader.fail(QStringLiteral("--time needs \"YYYY MM WD DD hh mm ss\" (weekday 01 "
                                           "Sunday to 07 Saturday): %1")
                                .arg(problem));
            options.time = value;
        } else {
            reader.fail(QStringLiteral("unknown argument ") + arg);
        }
    }
    return reader.error();
}

// Prints the clock read back, or why nothing was.
void readClock(ServiceTools& tools, Link& link, const Options& options, QTextStream& out,
               QTextStream& err) {
    link.setDelayMs(options.delayMs);
    tools.readClock(quint8(options.slave),
                    [&out, &err](const QString& clock, const QString& fault) {
                        if (!clock.isEmpty()) {
                            out << "clock: " << clock << "\n";
                            return LineSession::end(LineSession::Done);
                        }
                        err << "obelc: no answer to the read of the clock"
                            << (fault.isEmpty() ? QString() : QStringLiteral(": ") + fault) << "\n";
                        LineSession::end(LineSession::NoAnswer);
                    });
}

} // namespace

const char* ClockCommand::usage() {
    // %1 stays for the line options, which PortOption fills in.
    static const QByteArray text =
        QStringLiteral(
            "usage: obelc clock [-C PROGRAM_DIR] [--port PORT] [--baud N] [--slave N]\n"
            "                   [--time \"YYYY MM WD DD hh mm ss\"] [--read] [--delay MS]\n"
            "\n"
            "Sets the controller's clock as \"T.Adj\" does: Modbus function 16 writing the\n"
            "date and time as packed BCD and 5A to registers 50-53 (hexadecimal); no\n"
            "answer is awaited. Prints the frame sent. With --read, reads the four clock\n"
            "registers instead (function 3) and prints the clock in the form of --time.\n"
            "\n"
            "%1"
            "  --slave N       the controller's slave address, decimal (default %2)\n"
            "  --time TEXT     the date and time to set, weekday 1 (Sunday) to 7 (default: now)\n"
            "  --read          read the clock instead of setting it\n"
            "  --delay MS      with --read: one DELAY, what each of three attempts waits\n"
            "  -h, --help      this text\n"
            "\n"
            "Exit status: 0 done, 1 no program folder, 2 bad usage, 3 no answer to --read,\n"
            "5 the port cannot be opened or did not send what was written.\n"
            "130 interrupted (SIGINT or SIGTERM).\n")
            .arg(QStringLiteral("%1"), QString::number(ControllerFacts::DefaultSlave))
            .toUtf8();
    return text.constData();
}

int ClockCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    QString root;
    if (const auto status =
            PortOption::begin("clock", usage(), args, options, parse, root, out, err))
        return *status;
    LineSession session(ProgramFolder(root), options.line, out, err, !options.read);
    ServiceTools tools(session.link());
    return session.run([&] {
        if (options.read) return readClock(tools, session.link(), options, out, err);
        if (const int weekday = ClockText::weekdayOfDate(options.time);
            weekday != ClockText::field(options.time, 2).toInt())
            err << "obelc: warning: by its date the weekday is "
                << QStringLiteral("%1").arg(weekday, 2, 10, QChar(u'0')) << ", not "
                << ClockText::field(options.time, 2) << "; sent as given\n";
        tools.setClock(options.time, quint8(options.slave));
        LineSession::end(LineSession::Done);
    });
}
