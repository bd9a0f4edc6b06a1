#include "FakeTransport.h"
#include "Frames.h"
#include "Link.h"
#include "LinkRun.h"
#include "TestBytes.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QByteArray Ack(1, '\x5A');

void write1234(ShortBytes& f) {
    Frames::byteWrite(f, 0x1234, 0x56);
}

class Exchange : public ::testing::Test {
protected:
    Exchange() {
        line.open();
        link.setTransport(&line);
        link.setDelayMs(20);
    }
    std::optional<bool> run(Link::Flag watch = Link::Flag::Ack, int delays = 1,
                            const Link::Build<ShortBytes>& frame = write1234) {
        return runExchange(link, frame, watch, delays);
    }
    // Answers the nth write (from 1) and those after it with `answer`.
    void answerFrom(int nth, const QByteArray& answer) {
        line.responder = [this, nth, answer](const QByteArray&) {
            return line.written.size() >= nth ? answer : QByteArray();
        };
    }

    FakeTransport line;
    Link link;
};

TEST_F(Exchange, AttemptsUntilTheWatchedFlagComesUp) {
    const struct {
        const char* name;
        int answeredFrom; // 0: never
        QByteArray answer;
        Link::Flag watch;
        bool answered;
        const char* trace;
    } cases[] = {
        {"acknowledged at once", 1, Ack, Link::Flag::Ack, true, ">T1"},
        {"acknowledged on the last attempt", 3, Ack, Link::Flag::Ack, true, ">T1>T2>T3"},
        {"never acknowledged", 0, {}, Link::Flag::Ack, false, ">T1>T2>T3"},
        {"answered without an acknowledgement", 1, "\x01\x02", Link::Flag::Ack, false, ">T1>T2>T3"},
        {"noise before the acknowledgement", 1, "\x10\x5A", Link::Flag::Ack, false, ">T1>T2>T3"},
        {"noise after it in the same arrival", 1, "\x5A\x10", Link::Flag::Ack, false, ">T1>T2>T3"},
        {"any answer to a probe", 2, "\x01\x02", Link::Flag::Reply, true, ">T1>T2"},
    };
    for (const auto& c : cases) {
        line.written.clear();
        line.deliver(QByteArray(1, Frames::Ack)); // left over from before: cleared by the exchange
        answerFrom(c.answeredFrom ? c.answeredFrom : 99, c.answer);
        EXPECT_EQ(run(c.watch), c.answered) << c.name;
        EXPECT_EQ(link.trace(), c.trace) << c.name;
        EXPECT_EQ(link.TryCount(), QString(c.trace).count('>')) << c.name;
        ASSERT_EQ(line.written.size(), link.TryCount()) << c.name;
        for (const QByteArray& frame : line.written) {
            EXPECT_EQ(frame.first(5), QByteArray::fromHex("A55A123456"));
            EXPECT_EQ(frame, line.written.first());
        }
    }
}

TEST_F(Exchange, OnlyAnAcknowledgementEndsTheWaitEarly) {
    // Were the wait not cut short, the minute-long attempts would outlast runExchange.
    link.setDelayMs(60000);
    answerFrom(1, Ack);
    EXPECT_EQ(run(Link::Flag::Ack, 2), true);

    // A reply without one is waited out: both DELAYs of the attempt, even
    // with an acknowledgement left over from before.
    link.setDelayMs(100);
    line.deliver(QByteArray(1, Frames::Ack));
    answerFrom(1, "\x10");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(run(Link::Flag::Reply, 2), true);
    EXPECT_GE(clock.elapsed(), 180); // a coarse timer may fire 5 % early
    EXPECT_EQ(link.trace(), ">T1");
}

TEST_F(Exchange, APiecemealProbeAnswerCannotAcknowledgeTheByteWriteAfterIt) {
    // The probe's answer comes in two pieces, the register it reads holding
    // 0x5A; the byte write follows as soon as the probe is done.
    link.setDelayMs(100);
    std::optional<bool> probe, write;
    QEventLoop loop;
    link.exchange(&Frames::probe, Link::Flag::Reply, 2, [&](bool answered) {
        probe = answered;
        link.setDelayMs(20);
        link.exchange(write1234, Link::Flag::Ack, 1, [&](bool acknowledged) {
            write = acknowledged;
            loop.quit();
        });
    });
    const QByteArray answer = checked("AD0302005A");
    line.deliver(answer.first(3));
    line.deliver(answer.mid(3));
    EXPECT_FALSE(probe.has_value()) << "a reply holding 0x5A cut the probe's wait short";
    runFor(loop, 5000);
    EXPECT_EQ(probe, true);
    EXPECT_EQ(write, false) << "the probe's 0x5A counted for the byte write";
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
    EXPECT_EQ(line.written.size(), 4);
}

// A controller slower than the wait: each attempt's acknowledgement comes
// late. The first ends the exchange during the second attempt; the
// second's must not acknowledge the byte written next, which nobody answers.
TEST_F(Exchange, ALateAcknowledgementOfARetriedWriteAcknowledgesNothingAfterIt) {
    link.setDelayMs(100);
    line.responder = [this](const QByteArray& frame) {
        if (quint8(frame[4]) == 0x56) QTimer::singleShot(150, &line, [this] { line.deliver(Ack); });
        return QByteArray();
    };
    EXPECT_EQ(run(), true);
    EXPECT_EQ(link.trace(), ">T1>T2");
    EXPECT_EQ(run(Link::Flag::Ack, 1, [](ShortBytes& f) { Frames::byteWrite(f, 0x1235, 0x78); }),
              false);
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
}

TEST_F(Exchange, WithoutWrEverySendCountsAsAnsweredEvenWithNothingConnected) {
    link.setWithController(false);
    link.setDelayMs(60000);
    line.close();
    EXPECT_EQ(run(Link::Flag::Ack), true);
    EXPECT_EQ(link.trace(), ">T1");
    EXPECT_EQ(link.AckFlag(), 1);
    EXPECT_EQ(link.ReplyFlag(), 1);

    link.setTransport(nullptr);
    EXPECT_EQ(run(Link::Flag::Reply, 2), true);
}

TEST_F(Exchange, TheLineSwappedOrLostUnderAnExchange) {
    // Swapped after the first attempt: the next go to the new line, and the
    // old line's acknowledgement no longer counts.
    std::optional<bool> answered;
    FakeTransport other;
    other.open();
    ASSERT_TRUE(link.exchange(write1234, Link::Flag::Ack, 1, [&](bool a) { answered = a; }));
    link.setTransport(&other);
    line.deliver(Ack);
    other.responder = [](const QByteArray&) { return Ack; };
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered.has_value(); }, 5000));
    EXPECT_EQ(answered, true);
    EXPECT_EQ(link.trace(), ">T1>T2");
    EXPECT_EQ(line.written.size(), 1);
    EXPECT_EQ(other.written.size(), 1);

    // Deleted with its acknowledgement on the way: the attempts go nowhere
    // and the exchange ends unanswered.
    auto doomed = std::make_unique<FakeTransport>();
    doomed->open();
    doomed->responder = [](const QByteArray&) { return Ack; };
    link.setTransport(doomed.get());
    answered.reset();
    ASSERT_TRUE(link.exchange(write1234, Link::Flag::Ack, 1, [&](bool a) { answered = a; }));
    doomed.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered.has_value(); }, 5000));
    EXPECT_EQ(answered, false);
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
    EXPECT_EQ(other.written.size(), 1);
}

TEST_F(Exchange, OneAtATimeAndAFrameBuiltMeanwhileLeavesItsAttemptsAlone) {
    std::optional<bool> answered;
    ASSERT_TRUE(link.exchange(write1234, Link::Flag::Ack, 1, [&](bool a) { answered = a; }));
    EXPECT_FALSE(link.exchange(&Frames::probe, Link::Flag::Reply, 1, [](bool) {}));
    const QByteArray probe = link.send(&Frames::probe);
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered.has_value(); }, 5000));
    ASSERT_EQ(line.written.size(), 4);
    EXPECT_EQ(line.written[1], probe);
    EXPECT_EQ(line.written[2], line.written[0]) << "the next attempt sent the frame built since";
    EXPECT_EQ(line.written[3], line.written[0]);
}

TEST_F(Exchange, ATransferHoldsTheLineAgainstEveryOtherSender) {
    std::unique_ptr<Link::Hold> hold = link.hold();
    ASSERT_NE(hold, nullptr);
    EXPECT_EQ(link.hold(), nullptr);
    EXPECT_EQ(link.send(&Frames::start), QByteArray());
    EXPECT_EQ(link.send([](LongBytes& f) { Frames::timeWrite(f, 1, {}); }), QByteArray());
    EXPECT_EQ(link.send([](TestBytes& f) { Frames::rawTest(f, 1, 2); }), QByteArray());
    EXPECT_FALSE(link.send(QByteArray(1, '\xAA')));
    EXPECT_FALSE(link.exchange(&Frames::probe, Link::Flag::Reply, 1, [](bool) {}));
    EXPECT_TRUE(line.written.isEmpty());

    answerFrom(1, Ack);
    std::optional<bool> answered;
    ASSERT_TRUE(hold->exchange(write1234, Link::Flag::Ack, 1, [&](bool a) { answered = a; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered.has_value(); }, 5000));
    EXPECT_EQ(answered, true);
    EXPECT_EQ(hold->send(&Frames::start).size(), 8);

    hold.reset();
    EXPECT_EQ(link.send(&Frames::halt).size(), 8);
    EXPECT_EQ(line.written.size(), 3);
}

TEST_F(Exchange, AChainOfExchangesDoesNotNestItsCallbacks) {
    // A download of a large image with "WR" off: each done() starts the next
    // exchange, so finishing inside exchange() would grow the stack per byte.
    link.setWithController(false);
    QEventLoop loop;
    int done = 0, depth = 0, deepest = 0;
    std::function<void(bool)> next = [&](bool) {
        ++done;
        ++depth;
        deepest = std::max(deepest, depth);
        if (done < 5000)
            link.exchange(write1234, Link::Flag::Ack, 1, next);
        else
            loop.quit();
        --depth;
    };
    link.exchange(write1234, Link::Flag::Ack, 1, next);
    runFor(loop, 20000);
    ASSERT_EQ(done, 5000);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(line.written.size(), 5000);
}

} // namespace
