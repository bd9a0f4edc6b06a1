// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A program a test needs beside it (obelc sim, socat): started at once,
// stopped by its PID when the test ends, never left behind.
class HelperProcess {
public:
    // What it writes on standard error is kept for errors(), or thrown away
    // when nobody will read it: a pipe nobody empties would stop it once full.
    HelperProcess(const QString& program, const QStringList& args, bool keepErrors = true);
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    // The first line it prints on standard output; empty when none comes in time.
    QString firstLine(int ms = 10000);
    // All it has written on standard error so far.
    QString errors();
    // SIGTERM to its PID, then SIGKILL if it does not end.
    void stop();

private:
    QProcess process_;
    QString errors_;
};
