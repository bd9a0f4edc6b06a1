// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuitOnSignals.h"

#include <QCoreApplication>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may safely touch nothing but a socket.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

} // namespace

std::unique_ptr<QSocketNotifier> QuitOnSignals::install(std::function<void()> whenSignalled) {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    if (!whenSignalled) whenSignalled = [] { QCoreApplication::quit(); };
    QObject::connect(notifier.get(), &QSocketNotifier::activated, qApp,
                     [whenSignalled = std::move(whenSignalled)] {
                         char byte = 0;
                         [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
                         whenSignalled();
                     });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    return notifier;
}
