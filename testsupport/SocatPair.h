// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelperProcess.h"

#include <QString>

// A pair of connected pseudo-terminals made by socat, reachable under two
// links in a folder of the test's. A pty takes no parity: each end opens
// with parity N.
class SocatPair {
public:
    explicit SocatPair(const QString& dir);
    bool ready() const { return ready_; }
    QString a, b;

private:
    HelperProcess socat_;
    bool ready_ = false;
};
