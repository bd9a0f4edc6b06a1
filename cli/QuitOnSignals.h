#pragma once

#include <QSocketNotifier>

#include <memory>

// Commands that run until interrupted: SIGINT and SIGTERM end the
// application's event loop.
class QuitOnSignals {
public:
    // The notifier that carries the signals into the event loop, kept for as
    // long as they should; nothing when it cannot be set up.
    static std::unique_ptr<QSocketNotifier> install();
};
