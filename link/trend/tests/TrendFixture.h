// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeTransport.h"
#include "Link.h"
#include "TestBytes.h"
#include "Tracer.h"
#include "Trend.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// The tracer on a fake line, switched on, its ticks and the trend's clock in
// the test's hands: each tick is 50 ms after the one before.
class TrendFixture : public ::testing::Test {
protected:
    static constexpr qint64 Start = 1'765'000'000'000;

    TrendFixture() {
        line.open();
        link.setTransport(&line);
        tracer.toggleTracing();
        clock.stop();
    }

    // Register r's bytes: r, then r ^ 0x5A; change may alter them.
    static QByteArray blockData(int firstRegister) {
        QByteArray data;
        for (int r = firstRegister; r < firstRegister + 8; ++r)
            data.append(char(r)).append(char(r ^ 0x5A));
        return data;
    }
    static QByteArray answer(const QByteArray& data, char slave = '\xAD') {
        return checked(QByteArray(1, slave).toHex() + "0310" + data.toHex());
    }
    int lastRegister() const { return quint8(line.written.last()[3]); }

    // One tick; reply gives the answer to its read (nothing: none comes).
    void tick(const std::function<QByteArray(int firstRegister)>& reply = {}) {
        now += 50;
        tracer.tick();
        if (reply) line.deliver(reply(lastRegister()));
    }
    void sweep(const std::function<QByteArray(int firstRegister)>& reply) {
        for (int i = 0; i < 28; ++i)
            tick(reply);
    }
    static QByteArray good(int firstRegister) { return answer(blockData(firstRegister)); }

    FakeTransport line;
    Link link;
    QTimer clock;
    Tracer tracer{link, clock};
    qint64 now = Start;
    Trend trend{tracer, [this] { return now; }};
};
