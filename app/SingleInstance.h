// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// Only one Obel runs per user, display and program folder: the first start
// holds a lock file named for these in the user's runtime folder and listens
// beside it; a later start finds the lock held, hands its request (come to
// the front, maybe open a map) to the first and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& lockPath);
    bool isFirst() const { return first_; }
    // The lock of the Obel for this user on a display (as the platform names
    // it, e.g. "xcb:0" or "wayland:wayland-0") and a program folder.
    static QString defaultLockPath(const QString& display, const QString& programFolder);
    // The lock file's name alone, in whatever folder.
    static QString lockName(const QString& display, const QString& programFolder);
    // The display this process shows its windows on.
    static QString currentDisplay();

    // A later start: asks the first to come to the front and to open mapPath
    // (an absolute path, or empty for none). False when no first answered.
    bool handOver(const QString& mapPath) const;

signals:
    // In the first: a later start asked this.
    void requested(const QString& mapPath);

private:
    void takeRequest();
    QString serverName() const { return lockPath_ + QStringLiteral(".socket"); }

    QString lockPath_;
    QLockFile lock_;
    bool first_;
    QLocalServer server_;
};
