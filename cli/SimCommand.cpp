// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimCommand.h"

#include "ArgReader.h"

#include "CommandStart.h"
#include "Frames.h"
#include "MbapTransport.h"
#include "NonBlockingLog.h"
#include "PacedTransport.h"
#include "PtyTransport.h"
#include "QuitOnSignals.h"
#include "SimFrameLog.h"
#include "SlaveOption.h"
#include "TcpServerTransport.h"
#include "VirtualController.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <memory>
#include <unistd.h>
#include <utility>

namespace {

// How long the last lines of the log may wait for a reader at the end.
constexpr int FinalLogMs = 200;

struct Options {
    QString ptyLink;
    QString listen; // HOST:PORT as given
    QHostAddress host;
    int port = -1;
    int slave = ControllerFacts::DefaultSlave;
    int baud = 0; // 0: no pace of a serial line
    int holdMs = 0;
    bool modbusTcp = false; // MBAP framing on the --listen port
};

// Takes the value of one of sim's options; why it is no value for it, or "".
QString takeValue(const QString& arg, const QString& value, Options& options) {
    bool ok = false;
    if (arg == u"--pty") {
        options.ptyLink = value;
    } else if (arg == u"--listen") {
        options.listen = value;
        const qsizetype colon = value.lastIndexOf(u':');
        options.port = value.mid(colon + 1).toInt(&ok);
        options.host = QHostAddress(value.left(colon));
        if (colon < 0 || !ok || options.port < 0 || options.port > 65535 || options.host.isNull())
            return QStringLiteral("--listen takes HOST:PORT with a numeric host, not ") + value;
    } else if (arg == u"--baud") {
        options.baud = value.toInt(&ok);
        if (!ok || options.baud < 1)
            return QStringLiteral("--baud takes a number of bits a second, not ") + value;
    } else if (arg == u"--hold") {
        options.holdMs = value.toInt(&ok);
        if (!ok || options.holdMs < 0 || options.holdMs > 1000)
            return QStringLiteral("--hold takes 0 to 1000 milliseconds, not ") + value;
    } else {
        return SlaveOption::read(value, options.slave);
    }
    return {};
}

// Parses the arguments after "sim"; an empty error means success.
QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (ArgReader::isHelp(arg)) {
            help = true;
            continue;
        }
        if (arg == u"--modbus-tcp") {
            options.modbusTcp = true;
            continue;
        }
        if (arg != u"--pty" && arg != u"--listen" && arg != u"--slave" && arg != u"--baud" &&
            arg != u"--hold") {
            reader.fail(QStringLiteral("unknown option ") + arg);
            continue;
        }
        const QString value = reader.value();
        if (reader.error().isEmpty()) reader.fail(takeValue(arg, value, options));
    }
    if (!reader.error().isEmpty()) return reader.error();
    if (!options.ptyLink.isEmpty() && !options.listen.isEmpty())
        return QStringLiteral("one of --pty and --listen");
    if (options.holdMs && !options.baud) return QStringLiteral("--hold needs --baud");
    if (options.modbusTcp && (options.listen.isEmpty() || options.baud))
        return QStringLiteral("--modbus-tcp needs --listen, and takes no --baud");
    return {};
}

// The line the controller sits on, and the text that names it for the user.
std::unique_ptr<Transport> makeLine(const Options& options, QString& name, QString& error) {
    if (!options.listen.isEmpty()) {
        auto server = std::make_unique<TcpServerTransport>(options.host, quint16(options.port));
        if (!server->open()) {
            error = server->errorString();
            return nullptr;
        }
        name = QStringLiteral("tcp:%1:%2")
                   .arg(options.listen.left(options.listen.lastIndexOf(u':')))
                   .arg(server->port());
        return server;
    }
    auto pty = std::make_unique<PtyTransport>();
    if (!pty->open()) {
        error = QStringLiteral("cannot make a pseudo-terminal: ") + pty->errorString();
        return nullptr;
    }
    name = pty->slavePath();
    if (!options.ptyLink.isEmpty()) {
        QFile::remove(options.ptyLink);
        if (!QFile::link(name, options.ptyLink)) {
            error = QStringLiteral("cannot make the link ") + options.ptyLink;
            return nullptr;
        }
    }
    return pty;
}

} // namespace

const char* SimCommand::usage() {
    static const QByteArray text =
        QStringLiteral(
            "usage: obelc sim [--pty PATH] [--listen HOST:PORT [--modbus-tcp]] [--slave N]\n"
            "                 [--baud N [--hold MS]]\n"
            "\n"
            "Runs the virtual controller until interrupted (SIGINT or SIGTERM): it answers\n"
            "every frame Obel sends, as the controller does. It prints the line to name in\n"
            "def/comports.def and logs each frame it handles on standard error.\n"
            "\n"
            "  --pty PATH         on a new pseudo-terminal (the default), PATH made a\n"
            "                     symbolic link to it\n"
            "  --listen HOST:PORT on a TCP port instead (port 0: any free one), one\n"
            "                     client at a time, as ser2net serves a line\n"
            "  --modbus-tcp       with --listen: Modbus TCP (MBAP headers) instead of the\n"
            "                     line's own RTU frames, for Modbus TCP clients (mbpoll -m\n"
            "                     tcp, SCADA tools); the unit id is the slave address\n"
            "  --slave N          its Modbus slave address (default %1)\n"
            "  --baud N           the time of a serial line at N baud, 11 bits a\n"
            "                     character: a frame is taken once all its characters\n"
            "                     could have come (counted from its arrival), and an\n"
            "                     answer reaches the other end once all of its could\n"
            "                     have gone. Without it frames are taken and answered\n"
            "                     at once\n"
            "  --hold MS          with --baud: a USB serial adapter on the other end that\n"
            "                     holds every answer MS milliseconds after its last\n"
            "                     character, as an adapter's latency timer does (16 for\n"
            "                     FTDI's by default, 1 in low-latency mode)\n"
            "  -h, --help         this text\n")
            .arg(ControllerFacts::DefaultSlave)
            .toUtf8();
    return text.constData();
}

int SimCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    if (const auto status = CommandStart::parse("sim", usage(), args, options, parse, out, err))
        return *status;

    // Before the line and its link exist: a signal from now on ends the
    // simulator through the event loop, which removes the link.
    const auto interrupt = QuitOnSignals::install();
    // A reader of the log that has gone must not end the simulator.
    std::signal(SIGPIPE, SIG_IGN);
    QString name, error;
    std::unique_ptr<Transport> line = makeLine(options, name, error);
    if (!line) {
        err << "obelc sim: " << error << "\n";
        return 1;
    }
    auto* server = qobject_cast<TcpServerTransport*>(line.get());
    if (options.modbusTcp) line = std::make_unique<MbapTransport>(std::move(line));
    if (options.baud)
        line = std::make_unique<PacedTransport>(std::move(line), options.baud,
                                                std::chrono::milliseconds(options.holdMs));
    VirtualController controller(quint8(options.slave));
    QObject::connect(line.get(), &Transport::bytesArrived, &controller,
                     &VirtualController::receive);
    QObject::connect(&controller, &VirtualController::reply, line.get(), &Transport::write);
    // The frame log never holds up serving: nobody may be reading stderr.
    err.flush();
    NonBlockingLog log(STDERR_FILENO);
    // The answer goes out before the frame is told of; the log tells the frame first.
    SimFrameLog frames(log);
    QByteArray answer;
    QObject::connect(&controller, &VirtualController::reply,
                     [&answer](const QByteArray& bytes) { answer = bytes; });
    QObject::connect(&controller, &VirtualController::handled,
                     [&](const QByteArray& frame, const QString& meaning) {
                         frames.frame(frame, meaning, std::exchange(answer, {}));
                     });
    // A run of noise is told once a second while it lasts.
    QTimer noiseRuns;
    QObject::connect(&noiseRuns, &QTimer::timeout, [&frames] { frames.flush(); });
    noiseRuns.start(1000);
    if (server)
        QObject::connect(server, &TcpServerTransport::clientRefused, [&log](const QString& peer) {
            log.line(QStringLiteral("obelc sim: refused a second client, %1: the line serves "
                                    "one at a time")
                         .arg(peer));
        });

    out << name << "\n";
    out.flush();
    QCoreApplication::exec();
    frames.flush();
    line->close();
    if (!options.ptyLink.isEmpty()) QFile::remove(options.ptyLink);
    log.line(QStringLiteral("obelc sim: stopped"));
    log.finish(FinalLogMs);
    return 0;
}
