// SPDX-License-Identifier: GPL-3.0-or-later
#include "SocatPair.h"

#include <QFileInfo>
#include <QTest>

SocatPair::SocatPair(const QString& dir)
    : a(dir + "/ptyA"), b(dir + "/ptyB"),
      socat_("socat", {"pty,raw,echo=0,link=" + a, "pty,raw,echo=0,link=" + b}) {
    ready_ =
        QTest::qWaitFor([this] { return QFileInfo::exists(a) && QFileInfo::exists(b); }, 10000);
}
