// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A PulseAudio daemon of the test's own with a null sink and a null source,
// which gives ALSA's "default" device real "Master" and "Capture" controls.
// The test process's runtime and home folders point at it.
class PulseDaemon {
public:
    PulseDaemon();
    ~PulseDaemon();
    bool start();
    void stop();
    // pactl's answer, or an empty text when it failed.
    QString pactl(const QStringList& args) const;

private:
    QTemporaryDir dir_;
    QProcess daemon_;
};
