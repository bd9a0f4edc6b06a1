#include "LineSession.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

namespace {
constexpr int SettleMs = 200;
} // namespace

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
        err_ << "obelc: cannot use " << line_.name << ": " << reason << "\n";
        end(NoPort);
    });
    QTimer::singleShot(0, work);
    return QCoreApplication::exec();
}

void LineSession::end(int status) {
    QCoreApplication::exit(status);
}

void LineSession::endAfterSending() {
    QTimer::singleShot(SettleMs, [] { end(Done); });
}
