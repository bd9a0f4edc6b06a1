// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputQueue.h"

#include <sys/ioctl.h>

// TIOCOUTQ and SIOCOUTQ are one request on Linux: a tty answers with its
// output queue, a TCP socket with its unacknowledged bytes.
qint64 OutputQueue::unsent(qintptr descriptor) {
    int queued = 0;
    if (descriptor < 0 || ::ioctl(int(descriptor), TIOCOUTQ, &queued) != 0) return 0;
    return queued;
}
