// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

// SIGINT and SIGTERM carried into the event loop, so that a command ends
// the way it ends by itself: the line closed and its settings put back.
class QuitOnSignals {
public:
    // The notifier that carries the signals to whenSignalled (by default the
    // end of the application's event loop), kept for as long as they
    // should; nothing when it cannot be set up.
    static std::unique_ptr<QSocketNotifier> install(std::function<void()> whenSignalled = nullptr);
};
