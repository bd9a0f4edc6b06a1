// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendFixture.h"

#include "QStringPrinter.h"

namespace {

std::vector<int> values(const std::vector<TrendLog::Point>& points) {
    std::vector<int> out;
    for (const TrendLog::Point& p : points)
        out.push_back(p.value);
    return out;
}

std::vector<qint64> times(const std::vector<TrendLog::Point>& points) {
    std::vector<qint64> out;
    for (const TrendLog::Point& p : points)
        out.push_back(p.ms);
    return out;
}

constexpr qint64 Sweep = 28 * 50;

} // namespace

using TrendTest = TrendFixture;

TEST_F(TrendTest, EachGoodAnswerIsAPointAtTheTimeItsReadWentOut) {
    sweep(good);
    sweep(good);
    tick(); // judges the last read
    const TrendTrace first{0}, secondBlockLow{17};
    const auto a = trend.log().points(first, Start, now);
    EXPECT_EQ(times(a), (std::vector<qint64>{Start + 50, Start + 50 + Sweep}));
    EXPECT_EQ(values(a), (std::vector<int>{16, 16}));
    const auto b = trend.log().points(secondBlockLow, Start, now);
    EXPECT_EQ(times(b), (std::vector<qint64>{Start + 100, Start + 100 + Sweep}));
    EXPECT_EQ(values(b), (std::vector<int>{24 ^ 0x5A, 24 ^ 0x5A}));
    EXPECT_EQ(trend.log().valueAt(first, Start + 49), std::nullopt) << "before its first poll";
    EXPECT_EQ(trend.log().valueAt(first, Start + 60), 16);
    // The span's edges: the point before and the one after come along.
    EXPECT_EQ(trend.log().points(first, Start + 60, Start + 70).size(), 2u);
}

TEST_F(TrendTest, MissingAndBadAnswersAreGapsNotZeros) {
    sweep(good);
    sweep([](int reg) {
        if (reg == 16) return QByteArray();                   // no answer
        if (reg == 24) return answer(blockData(reg), '\x11'); // another slave's
        return good(reg);
    });
    sweep(good);
    tick();
    EXPECT_EQ(tracer.counters().missing, 1);
    EXPECT_EQ(tracer.counters().bad, 1);
    for (int cell : {0, 16}) {
        const auto points = trend.log().points(TrendTrace{cell}, Start, now);
        ASSERT_EQ(points.size(), 3u) << cell;
        EXPECT_EQ(points[1].value, TrendLog::Gap) << cell;
        EXPECT_EQ(points[1].ms, points[0].ms + Sweep) << cell;
        EXPECT_EQ(trend.log().valueAt(TrendTrace{cell}, points[1].ms + 1), std::nullopt);
    }
    EXPECT_EQ(values(trend.log().points(TrendTrace{33}, Start, now)),
              (std::vector<int>{32 ^ 0x5A, 32 ^ 0x5A, 32 ^ 0x5A}));
}

TEST_F(TrendTest, ALongerStopOfTheTracerIsAGapAShortOneIsNot) {
    sweep(good);
    tracer.bitButton(0); // holds the polls off for five ticks
    sweep(good);
    tracer.pause();
    const qint64 stopped = now;
    tick(); // judges the last read
    now += 60'000;
    tracer.toggleTracing();
    sweep(good);
    tick();
    const auto points = trend.log().points(TrendTrace{0}, Start, now);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_NE(points[1].value, TrendLog::Gap);
    EXPECT_EQ(points[2].value, TrendLog::Gap);
    EXPECT_EQ(points[2].ms, stopped);
}

TEST_F(TrendTest, ABitTraceStepsWithItsBitAlone) {
    // Cell 1 is register 16's low byte: 0x4A, then 0x4B, then 0x4A again.
    for (char low : {'\x4A', '\x4B', '\x4A'})
        sweep([low](int reg) {
            QByteArray data = blockData(reg);
            if (reg == 16) data[1] = low;
            return answer(data);
        });
    tick();
    EXPECT_EQ(values(trend.log().points(TrendTrace{1, 0}, Start, now)),
              (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(values(trend.log().points(TrendTrace{1, 1}, Start, now)),
              (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(values(trend.log().points(TrendTrace{1}, Start, now)),
              (std::vector<int>{0x4A, 0x4B, 0x4A}));
}

TEST_F(TrendTest, PauseHoldsTheWindowWhileThePollsGoOnBeingKept) {
    EXPECT_TRUE(trend.add({0}));
    QString why;
    EXPECT_FALSE(trend.add({0}, &why));
    EXPECT_EQ(why, "cell 00 is traced already");
    EXPECT_TRUE(trend.add({0, 3}));
    EXPECT_EQ(trend.labels(), (QStringList{"cell 00", "cell 00.3"}));
    for (int cell = 1; trend.traces().size() < Trend::MaxTraces; ++cell)
        trend.add({cell});
    EXPECT_FALSE(trend.add({100}, &why));
    EXPECT_EQ(why, "16 traces at the most: remove one first");

    sweep(good);
    trend.setPaused(true);
    const qint64 held = now;
    sweep(good);
    tick();
    EXPECT_EQ(trend.viewEnd(), held);
    EXPECT_GT(trend.log().lastTime(), held) << "the polls go on being kept";
    trend.setPaused(false);
    EXPECT_EQ(trend.viewEnd(), now);

    trend.setWindowMs(1000);
    EXPECT_EQ(trend.windowMs(), Trend::MinWindowMs);
    trend.setWindowMs(3'600'000);
    EXPECT_EQ(trend.windowMs(), Trend::MaxWindowMs);
    // Past the longest window the oldest polls go.
    now += Trend::MaxWindowMs;
    sweep(good);
    EXPECT_GT(trend.log().firstTime(), now - Trend::MaxWindowMs - 28 * 50);
}
