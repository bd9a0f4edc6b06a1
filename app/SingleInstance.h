#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// Only one Obel runs per user: the first start holds a lock file in the
// user's runtime folder and listens beside it; a later start finds the lock
// held, hands its request (come to the front, maybe open a map) to the first
// and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& lockPath);
    bool isFirst() const { return first_; }
    static QString defaultLockPath();

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
