#include "LineOpening.h"

#include "PortMap.h"
#include "Transport.h"

QString LineOpening::name(int comPort, const QString& target) {
    return comPort ? QStringLiteral("COM%1 (%2)").arg(comPort).arg(target) : target;
}

LineOpening::Opened LineOpening::open(int comPort, const QString& target,
                                      const LineSettings& settings, const Make& make,
                                      const std::function<void(Transport*)>& made) {
    Opened opened{make(target), {}, {}};
    Transport* line = opened.transport.get();
    if (made) made(line);
    if (!line) {
        const QString where = comPort ? QStringLiteral("COM%1: \"%2\" in %3")
                                            .arg(comPort)
                                            .arg(target, QString::fromLatin1(PortMap::FileName))
                                      : QStringLiteral("\"%1\"").arg(target);
        opened.problem =
            QStringLiteral("%1 is not a line. Use a device path, tcp:HOST:PORT or sim.").arg(where);
        return opened;
    }
    QStringList refused = line->setLine(settings);
    if (!line->open()) {
        opened.problem = QStringLiteral("%1 cannot be opened: %2.")
                             .arg(name(comPort, target), line->errorString());
        return opened;
    }
    opened.refused = notTaken(name(comPort, target), refused + line->refusedAtOpen());
    return opened;
}

QString LineOpening::notTaken(const QString& name, const QStringList& refused) {
    if (refused.isEmpty()) return {};
    return QStringLiteral("%1 does not take %2; going on without.")
        .arg(name, refused.join(QStringLiteral(", ")));
}
