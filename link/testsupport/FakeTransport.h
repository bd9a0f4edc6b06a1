// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LineSettings.h"
#include "Transport.h"

#include <QTimer>

#include <functional>

// A line for unit tests: keeps what is written, hands on what a test delivers,
// and can answer every write through a responder, from the event loop as a
// real line would.
class FakeTransport : public Transport {
    Q_OBJECT
public:
    using Responder = std::function<QByteArray(const QByteArray& written)>;

    explicit FakeTransport(QString lineTarget = {}) : target(std::move(lineTarget)) {}

    bool open() override {
        record(QStringLiteral("open "));
        open_ = openable;
        return open_;
    }
    void close() override {
        record(QStringLiteral("close "));
        open_ = false;
    }
    bool isOpen() const override { return open_; }
    void write(const QByteArray& bytes) override {
        if (!open_) return;
        written << bytes;
        if (responder)
            if (const QByteArray answer = responder(bytes); !answer.isEmpty())
                QTimer::singleShot(0, this, [this, answer] { emit bytesArrived(answer); });
    }
    QString errorString() const override { return QStringLiteral("no such device"); }
    QStringList setLine(const LineSettings& line) override {
        lineText = line.text();
        return open_ ? refuseWhileOpen : QStringList{};
    }
    QStringList refusedAtOpen() const override { return refuseAtOpen; }

    void deliver(const QByteArray& bytes) { emit bytesArrived(bytes); }

    QString target;
    bool openable = true;
    QString lineText;
    QStringList refuseAtOpen, refuseWhileOpen;
    QList<QByteArray> written;
    Responder responder;
    // Where opens and closes are told, with the target, when a test wants
    // their order across several lines.
    QStringList* events = nullptr;

private:
    void record(const QString& what) {
        if (events) *events << what + target;
    }

    bool open_ = false;
};
