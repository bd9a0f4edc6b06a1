// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the link needs of every line, whatever carries it: frames written
// while the line is closed are lost, arrivals keep their order (a line may
// split or join what the far end sent, never reorder or drop it), and a
// closed line opens again and carries on. Each line under test comes with its
// far end, a type with
//   Transport& transport();
//   void attach();                 the far end takes the line after an open
//   void send(const QByteArray&);  the far end writes to the line
//   QByteArray received();         what reached the far end since last asked
// Instantiate with INSTANTIATE_TYPED_TEST_SUITE_P(Name, TransportConformance, Types).

#include "TestBytes.h"
#include "Transport.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

template <typename Line> class TransportConformance : public ::testing::Test {
protected:
    // A frame nobody answers (a register write to another slave), so that
    // whatever arrives was sent by the far end.
    static QByteArray frame(int n) {
        return checked("01060020" + QByteArray::number(n, 16).rightJustified(4, '0'));
    }
    static QList<QByteArray> arrivals(const QSignalSpy& spy) {
        QList<QByteArray> all;
        for (const QList<QVariant>& signal : spy)
            all << signal[0].toByteArray();
        return all;
    }
    // Waits until `count` bytes in all have arrived.
    static bool arrive(const QSignalSpy& spy, qsizetype count) {
        return QTest::qWaitFor([&] { return arrivals(spy).join().size() >= count; }, 5000);
    }

    // Waits for `expected` at the far end: all of it, and nothing else.
    void expectFarEndReceives(const QByteArray& expected) {
        QByteArray all;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                all += line.received();
                return all.size() >= expected.size();
            },
            5000));
        EXPECT_EQ(all.toHex(' '), expected.toHex(' '));
    }

    Line line;
};

TYPED_TEST_SUITE_P(TransportConformance);

TYPED_TEST_P(TransportConformance, WhatIsWrittenWhileClosedIsLostAndAReopenedLineCarriesOn) {
    Transport& t = this->line.transport();
    EXPECT_FALSE(t.isOpen());
    t.write(this->frame(1));
    ASSERT_TRUE(t.open()) << t.errorString().toStdString();
    this->line.attach();
    t.write(this->frame(2));
    this->expectFarEndReceives(this->frame(2));

    t.close();
    EXPECT_FALSE(t.isOpen());
    t.write(this->frame(3));
    ASSERT_TRUE(t.open()) << t.errorString().toStdString();
    this->line.attach();
    QSignalSpy arrived(&t, &Transport::bytesArrived);
    t.write(this->frame(4));
    this->line.send(this->frame(5));
    this->expectFarEndReceives(this->frame(4));
    EXPECT_TRUE(this->arrive(arrived, this->frame(5).size()));
    EXPECT_EQ(this->arrivals(arrived).join(), this->frame(5));
}

TYPED_TEST_P(TransportConformance, ArrivalsKeepTheirOrder) {
    Transport& t = this->line.transport();
    ASSERT_TRUE(t.open()) << t.errorString().toStdString();
    this->line.attach();
    QSignalSpy arrived(&t, &Transport::bytesArrived);
    QByteArray sent;
    for (int i = 0; i < 40; ++i) {
        QByteArray piece;
        for (int j = 0; j <= i % 9; ++j)
            piece += char(sent.size() + j);
        this->line.send(piece);
        sent += piece;
    }
    EXPECT_TRUE(this->arrive(arrived, sent.size()));
    EXPECT_EQ(this->arrivals(arrived).join().toHex(' '), sent.toHex(' '));
    EXPECT_FALSE(this->arrivals(arrived).contains(QByteArray())) << "an arrival without bytes";
}

REGISTER_TYPED_TEST_SUITE_P(TransportConformance,
                            WhatIsWrittenWhileClosedIsLostAndAReopenedLineCarriesOn,
                            ArrivalsKeepTheirOrder);
