#pragma once

#include "Frames.h"
#include "Link.h"
#include "ProgramDownload.h"

#include <QEventLoop>
#include <QTimer>

#include <optional>

// Runs loop until it quits, or for ms at most. The timer is its own and goes
// with the call: single-shot timers would pile up, and slow every later one,
// until the event loop next deletes objects.
inline void runFor(QEventLoop& loop, int ms) {
    QTimer patience;
    QObject::connect(&patience, &QTimer::timeout, &loop, &QEventLoop::quit);
    patience.start(ms);
    loop.exec();
}

// Runs one exchange of frame to its end: whether it was answered, or
// nothing when it did not end within ms.
inline std::optional<bool> runExchange(Link& link, const Link::Build<ShortBytes>& frame,
                                       Link::Flag watch, int delays = 1, int ms = 30000) {
    std::optional<bool> answered;
    QEventLoop loop;
    if (!link.exchange(frame, watch, delays, [&](bool a) {
            answered = a;
            loop.quit();
        }))
        return std::nullopt;
    runFor(loop, ms);
    return answered;
}

// The probe as "Assm" sends it, two DELAYs an attempt. Its reply is waited
// out in full, so it runs with DELAYs of ms rather than the link's own,
// which the tests keep long for acknowledgements that end them early.
inline std::optional<bool> runProbe(Link& link, int ms = 250) {
    const int own = link.delayMs();
    link.setDelayMs(ms);
    const std::optional<bool> answered = runExchange(link, &Frames::probe, Link::Flag::Reply, 2);
    link.setDelayMs(own);
    return answered;
}

// Runs a download of source to its end: how it ended, or nothing when it did
// not start or not end within ms.
inline std::optional<ProgramDownload::Outcome> runDownload(ProgramDownload& download,
                                                           const QString& source, int ms = 60000) {
    std::optional<ProgramDownload::Outcome> outcome;
    QEventLoop loop;
    const QMetaObject::Connection ended = QObject::connect(&download, &ProgramDownload::finished,
                                                           &loop, [&](ProgramDownload::Outcome o) {
                                                               outcome = o;
                                                               loop.quit();
                                                           });
    if (download.start(source)) runFor(loop, ms);
    QObject::disconnect(ended);
    return outcome;
}
