// SPDX-License-Identifier: LGPL-3.0-or-later
#include "PulseDaemon.h"

#include <QDir>
#include <QFile>
#include <QThread>

PulseDaemon::PulseDaemon() {
    QDir(dir_.path()).mkpath("run");
    QDir(dir_.path()).mkpath("home");
    QFile::setPermissions(dir_.filePath("run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", dir_.filePath("run").toLocal8Bit());
    qputenv("HOME", dir_.filePath("home").toLocal8Bit());
    QFile script(dir_.filePath("pa.pa"));
    if (script.open(QIODevice::WriteOnly))
        script.write("load-module module-native-protocol-unix auth-anonymous=1\n"
                     "load-module module-null-sink sink_name=null\n"
                     "load-module module-null-source source_name=nullsrc\n"
                     "set-default-sink null\n"
                     "set-default-source nullsrc\n");
}

PulseDaemon::~PulseDaemon() {
    stop();
}

bool PulseDaemon::start() {
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    daemon_.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "--system=false", "-n",
                                 "-F", dir_.filePath("pa.pa")});
    if (!daemon_.waitForStarted(5000)) return false;
    for (int i = 0; i < 100; ++i) {
        if (!pactl({"info"}).isEmpty()) return true;
        QThread::msleep(20);
    }
    return false;
}

void PulseDaemon::stop() {
    if (daemon_.state() == QProcess::NotRunning) return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000)) {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
}

QString PulseDaemon::pactl(const QStringList& args) const {
    QProcess process;
    process.start("pactl", args);
    if (!process.waitForFinished(5000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
