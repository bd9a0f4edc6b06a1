// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelperProcess.h"

#include <QTest>

HelperProcess::HelperProcess(const QString& program, const QStringList& args, bool keepErrors) {
    if (!keepErrors) process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start(program, args);
    process_.waitForStarted(10000);
}

HelperProcess::~HelperProcess() {
    stop();
}

QString HelperProcess::firstLine(int ms) {
    if (!QTest::qWaitFor([this] { return process_.canReadLine(); }, ms)) return {};
    return QString::fromLocal8Bit(process_.readLine()).trimmed();
}

QString HelperProcess::errors() {
    errors_ += QString::fromLocal8Bit(process_.readAllStandardError());
    return errors_;
}

void HelperProcess::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
    errors();
}
