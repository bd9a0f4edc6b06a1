// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadReport.h"

#include "HexText.h"
#include "Link.h"
#include "ProgramDownload.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString firstLine(const QString& text) {
    return text.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0).trimmed();
}

QString seconds(qint64 ms) {
    return QStringLiteral("%1 s").arg(double(ms) / 1000.0, 0, 'f', 1);
}

QString bytes(int count) {
    return count == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(count);
}

} // namespace

QString DownloadReport::programName(const QString& mapName, const QString& sourceName) {
    for (const QString& name : {mapName, sourceName}) {
        const QString base = QFileInfo(name.trimmed()).completeBaseName();
        if (!base.isEmpty()) return base;
    }
    return QStringLiteral("program");
}

QString DownloadReport::text(const ProgramDownload& download, const Context& context) {
    using Outcome = ProgramDownload::Outcome;
    const QString& program = context.program;
    switch (download.outcome()) {
    case Outcome::Done:
        // Without "WR" every exchange counts as answered: only a closed line
        // tells that nothing went out.
        if (!context.lineOpen)
            return QStringLiteral("%1: assembled, not sent (WR off; %2)")
                .arg(program, context.line);
        if (!context.withController)
            return QStringLiteral("%1: %2 sent to %3 unconfirmed (WR off) in %4; start frame sent")
                .arg(program, bytes(download.bytesWritten()), context.line,
                     seconds(download.elapsedMs()));
        return QStringLiteral("%1: %2 written to %3 in %4; start frame sent")
            .arg(program, bytes(download.bytesWritten()), context.line,
                 seconds(download.elapsedMs()));
    case Outcome::NoAnswer:
        return QStringLiteral("RS-232 ERROR: no answer to the link check on %1 after %2 "
                              "attempts; nothing assembled")
            .arg(context.line)
            .arg(Link::Attempts);
    case Outcome::AssemblyError:
        return QStringLiteral("%1: %2; nothing sent after the link check")
            .arg(program, firstLine(download.failure()));
    case Outcome::MacroError:
        // "MACRO ERROR" and the line that names the file.
        return QStringLiteral("%1: %2: %3; nothing sent after the link check")
            .arg(program, firstLine(download.failure()),
                 download.failure().section(QStringLiteral("\r\n"), 1, 1));
    case Outcome::NotAcknowledged:
        return QStringLiteral("Load ERROR at %1: no acknowledgement after %2 attempts; %3 of %4 "
                              "written; controller left halted")
            .arg(hexText(quint32(download.failedAddress()), 4))
            .arg(Link::Attempts)
            .arg(download.bytesWritten())
            .arg(bytes(download.imageBytes()));
    case Outcome::BadImage:
    case Outcome::Stopped:
        break;
    }
    return QStringLiteral("%1: %2").arg(program, firstLine(download.failure()));
}
