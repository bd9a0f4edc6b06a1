#include "TraceCommand.h"

#include "HexText.h"
#include "LineSession.h"
#include "Link.h"
#include "PortOption.h"
#include "ProgramFolder.h"
#include "SlaveOption.h"
#include "Tracer.h"

#include <QTextStream>
#include <QTime>
#include <QTimer>

namespace {

using enum LineSession::Status;

struct Options {
    PortOption::Choice line;
    QString slave = QString::number(ControllerFacts::DefaultSlave);
    QString interval = QString::number(Tracer::DefaultIntervalMs);
    int count = 0; // 0: until interrupted
    QString csv;
};

// A whole number of at least 1 for a numeric option, or why not.
QString positive(const QString& option, const QString& value, int& number) {
    bool ok = false;
    number = value.toInt(&ok);
    return ok && number > 0 ? QString()
                            : option + QStringLiteral(" needs a number above 0, not ") + value;
}

QString takeValue(const QString& option, const QString& value, Options& options) {
    int number = 0;
    if (option == u"--csv") {
        options.csv = value;
        return {};
    }
    if (option == u"--slave") {
        int slave = 0;
        if (QString error = SlaveOption::read(value, slave); !error.isEmpty()) return error;
        options.slave = QString::number(slave);
        return {};
    }
    const QString error = positive(option, value, number);
    if (!error.isEmpty()) return error;
    if (option == u"--interval" && number > Tracer::MaxIntervalMs)
        return QStringLiteral("--interval needs 1 to %1 ms (a poll a minute at the slowest), not ")
                   .arg(Tracer::MaxIntervalMs) +
               value;
    if (option == u"--interval")
        options.interval = value;
    else
        options.count = number;
    return {};
}

QString parse(const QStringList& args, Options& options, bool& help) {
    static const QStringList valued{"--slave", "--interval", "--count", "--csv"};
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (PortOption::takeCommon(reader, arg, options.line, help)) continue;
        if (!valued.contains(arg)) {
            reader.fail(QStringLiteral("unknown argument ") + arg);
            continue;
        }
        const QString value = reader.value();
        if (reader.error().isEmpty()) reader.fail(takeValue(arg, value, options));
    }
    return reader.error();
}

// "10:06:47.123 0x10 00=10 XB1=4A ...": the time, the first register, then
// each cell by its map.tab name, or its number in hex when it has none.
QString answerLine(const Tracer& tracer, int firstRegister, const QByteArray& data) {
    QString text = QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")) +
                   QStringLiteral(" 0x%1").arg(firstRegister, 2, 16, QLatin1Char('0'));
    const int firstCell = 2 * (firstRegister - Tracer::FirstRegister);
    for (int k = 0; k < data.size(); ++k) {
        const int cell = firstCell + k;
        const QString name = cell < Tracer::Cells ? tracer.name(cell) : QString();
        text += u' ' + (name.isEmpty() ? hexText(quint32(cell), 2) : name) + u'=' +
                hexText(quint8(data[k]), 2);
    }
    return text;
}

int trace(const Options& options, const ProgramFolder& folder, QTextStream& out, QTextStream& err) {
    LineSession session(folder, options.line, out, err, false);
    if (!session.opened()) return NoPort;
    Link& link = session.link();
    QTimer clock;
    Tracer tracer(link, clock);
    tracer.loadNames(folder);
    tracer.setSlave(options.slave);
    tracer.setInterval(options.interval);
    if (!options.csv.isEmpty()) {
        QString error;
        if (!tracer.startRecording(options.csv, &error)) {
            err << "obelc: " << error << "\n";
            return Failed;
        }
    } else {
        QObject::connect(&tracer, &Tracer::answered,
                         [&](int firstRegister, const QByteArray& data) {
                             out << answerLine(tracer, firstRegister, data) << Qt::endl;
                         });
    }
    // After the tracer's own tick, which judges the read before and sends the
    // next: the Nth read is the last, and the tick after it judges it.
    QObject::connect(&clock, &QTimer::timeout, [&] {
        if (options.count == 0 || tracer.counters().polls < options.count) return;
        if (tracer.tracing())
            tracer.pause();
        else if (tracer.counters().pending() == 0)
            LineSession::end(Done);
    });
    QObject::connect(&tracer, &Tracer::recordingFailed, [&](const QString& reason) {
        err << "obelc: " << reason << "\n";
        LineSession::end(Failed);
    });
    // An interrupt is how a trace without --count ends; the summary below
    // tells what became of each poll.
    session.setInterrupt([] { LineSession::end(Done); });
    const int status = session.run([&] { tracer.toggleTracing(); });
    tracer.stopRecording();
    const Tracer::Counters& c = tracer.counters();
    err << "obelc: " << c.polls << " polls on " << session.lineName() << ": " << c.good << " good, "
        << c.missing << " missing, " << c.bad << " bad"
        << (c.bad ? QStringLiteral(" (last: %1)").arg(c.lastBad) : QString())
        << (c.pending() ? QStringLiteral(", %1 unanswered when interrupted").arg(c.pending())
                        : QString())
        << "\n";
    if (status != Done) return status;
    return c.good > 0 ? Done : NoAnswer;
}

} // namespace

const char* TraceCommand::usage() {
    // %1 stays for the line options, which PortOption fills in.
    static const QByteArray text =
        QStringLiteral(
            "usage: obelc trace [-C PROGRAM_DIR] [--port PORT] [--baud N] [--slave N]\n"
            "                   [--interval MS] [--count N] [--csv FILE]\n"
            "\n"
            "Polls the controller's memory as the tracer window does: one Modbus read of\n"
            "eight registers every interval, registers 16 to 239 in turn. Every good\n"
            "answer is printed as one line, the time, the first register and its 16\n"
            "cells, each by its name in def/map.tab or else by its cell number in hex:\n"
            "\n"
            "  10:06:47.123 0x10 00=00 XB1=03 02=00 03=00 XB3=00 YB1=01 ...\n"
            "\n"
            "Answers that are not the answer to the read (another slave, a bad CRC, a\n"
            "wrong length) are counted, not printed; the counts go to stderr at the end.\n"
            "Runs until interrupted (SIGINT or SIGTERM), or for --count polls.\n"
            "\n"
            "%1"
            "  --slave N       the controller's slave address (default %2)\n"
            "  --interval MS   the time between polls, 1 to 60000 (default 50)\n"
            "  --count N       send N polls, then stop once the last is answered or\n"
            "                  given up\n"
            "  --csv FILE      record the good answers into FILE (one row an answer, one\n"
            "                  column a cell) instead of printing them\n"
            "  -h, --help      this text\n"
            "\n"
            "Exit status:\n"
            "  0  done, with at least one good answer\n"
            "  1  no program folder, or the CSV file cannot be written\n"
            "  2  bad usage\n"
            "  3  not a single good answer came\n"
            "  5  the port cannot be opened, or what was written did not leave it (its\n"
            "     name and the reason)\n")
            .arg(QStringLiteral("%1"), QString::number(ControllerFacts::DefaultSlave))
            .toUtf8();
    return text.constData();
}

int TraceCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    QString root;
    if (const auto status =
            PortOption::begin("trace", usage(), args, options, parse, root, out, err))
        return *status;
    return trace(options, ProgramFolder(root), out, err);
}
