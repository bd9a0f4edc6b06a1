#include "LineSession.h"

#include "LineDrain.h"
#include "QuitOnSignals.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

LineSession::LineSession(const ProgramFolder& folder, const PortOption::Choice& choice,
                         QTextStream& out, QTextStream& err, bool printFrames)
    : line_(PortOption::open(folder, choice, err)), err_(err) {
    if (!line_.transport) return;
    link_.setTransport(line_.transport.get());
    if (printFrames)
        QObject::connect(&link_, &Link::sent, [&out](const QByteArray& frame) {
            out << frame.toHex(' ').toUpper() << "\n";
            out.flush();
        });
}

int LineSession::run(const std::function<void()>& work) {
    if (!opened()) return NoPort;
    QObject::connect(line_.transport.get(), &Transport::failed, [this](const QString& reason) {
        err_ << "obelc: cannot use " << line_.name << ": " << reason
             << (lossNote_ ? lossNote_() : QString()) << "\n";
        end(NoPort);
    });
    const auto interrupt = QuitOnSignals::install([this] {
        if (interrupt_) return interrupt_();
        err_ << "obelc: interrupted on " << line_.name
             << "; what was sent so far has gone to the controller\n";
        end(Interrupted);
    });
    QTimer::singleShot(0, work);
    return finishSending(QCoreApplication::exec());
}

void LineSession::end(int status) {
    QCoreApplication::exit(status);
}

int LineSession::finishSending(int status) {
    const PortOption::Line& line = line_;
    QTextStream& err = err_;
    if (status == NoPort || !line.transport) return status;
    LineDrain drain(*line.transport);
    std::optional<qint64> unsent;
    QEventLoop loop;
    QObject::connect(&drain, &LineDrain::finished, &loop, [&](qint64 left) {
        unsent = left;
        loop.quit();
    });
    // Whoever watches the line tells why it failed.
    QObject::connect(line.transport.get(), &Transport::failed, &loop, [&] { loop.exit(NoPort); });
    drain.start();
    const int ended = loop.exec();
    if (unsent == qint64(0)) return status;
    if (!unsent && ended == NoPort) return NoPort;
    err << "obelc: " << line.name << ": "
        << (unsent ? QStringLiteral("%1 byte(s) written did not leave the line within %2 s")
                         .arg(*unsent)
                         .arg(LineDrain::DefaultStall.count() / 1000.0)
                   : QStringLiteral("interrupted before what was written had left the line"))
        << "\n";
    return NoPort;
}
