// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transports.h"

#include "SerialTransport.h"
#include "TcpTransport.h"
#include "VirtualTransport.h"

std::unique_ptr<Transport> Transports::make(const QString& target) {
    if (target.compare(QStringLiteral("sim"), Qt::CaseInsensitive) == 0)
        return std::make_unique<VirtualTransport>();
    if (target.startsWith(QStringLiteral("tcp:"), Qt::CaseInsensitive)) {
        const qsizetype colon = target.lastIndexOf(u':');
        QString host = target.mid(4, colon - 4);
        if (host.startsWith(u'[') && host.endsWith(u']')) host = host.mid(1, host.size() - 2);
        bool ok = false;
        const int port = target.mid(colon + 1).toInt(&ok);
        // A bracket left over was one without its pair.
        if (host.isEmpty() || host.contains(u'[') || host.contains(u']') || !ok || port < 1 ||
            port > 65535)
            return nullptr;
        return std::make_unique<TcpTransport>(host, quint16(port));
    }
    return std::make_unique<SerialTransport>(target);
}
