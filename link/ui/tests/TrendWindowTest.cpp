// SPDX-License-Identifier: GPL-3.0-or-later
// The trend window from the tracer's "Trend" button, drawing what the tracer
// polls from the virtual controller beyond a socat pty.

#include "TrendWindow.h"
#include "Form4.h"
#include "Frames.h"
#include "Road.h"
#include "TrendCsv.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

class TrendWindowTest : public Road {
protected:
    void SetUp() override {
        Road::SetUp();
        setRegister(16, 0x0102);
        QTest::mousePress(windows.mapWindow().findChild<QPushButton*>("Command1(1)"),
                          Qt::LeftButton);
        tracerButton("Trend")->click();
        trendWindow = windows.tracerWindow().findChild<TrendWindow*>("TrendWindow");
        ASSERT_TRUE(trendWindow && trendWindow->isVisible());
    }
    void setRegister(int reg, quint16 value) {
        ShortBytes frame;
        Frames::registerWrite(frame, ControllerFacts::DefaultSlave, quint8(reg), value);
        controller.receive(QByteArray(reinterpret_cast<const char*>(frame.data()), 8));
    }
    QPushButton* tracerButton(const QString& name) {
        return windows.tracerWindow().findChild<QPushButton*>(name);
    }
    template <typename W> W* trendChild(const QString& name) {
        return trendWindow->findChild<W*>(name);
    }
    // The values a trace has shown so far, repeats and gaps left out.
    std::vector<int> seen(const TrendTrace& trace) {
        std::vector<int> values;
        const Trend& trend = trendWindow->trend();
        for (const TrendLog::Point& p : trend.log().points(trace, 0, trend.viewEnd()))
            if (p.value != TrendLog::Gap && (values.empty() || values.back() != p.value))
                values.push_back(p.value);
        return values;
    }

    TrendWindow* trendWindow = nullptr;
};

TEST_F(TrendWindowTest, ACellPickedInTheTracerAndABitByNameMoveWithTheController) {
    // Picking a cell in the tracer makes it the one to add.
    windows.tracerWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.tracerWindow()));
    windows.tracerWindow().findChild<QLineEdit*>("Text1(1)")->setFocus();
    EXPECT_EQ(trendChild<QComboBox>("TrendCell")->currentIndex(), 1);
    trendChild<QPushButton>("TrendAdd")->click();
    trendChild<QComboBox>("TrendBit")->setCurrentIndex(1); // bit 0
    trendChild<QPushButton>("TrendAdd")->click();
    EXPECT_EQ(trendWindow->trend().labels(), (QStringList{"XB1", "XB1.0"}));

    tracerButton("Command1(0)")->click(); // TR
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen({1}) == std::vector<int>{2}; }, 5000));
    setRegister(16, 0x0103);
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen({1}) == std::vector<int>{2, 3}; }, 5000));
    EXPECT_EQ(seen({1, 0}), (std::vector<int>{0, 1}));

    // Paused, the picture holds while the polls go on.
    trendChild<QPushButton>("TrendPause")->click();
    const qint64 held = trendWindow->trend().viewEnd();
    const qint64 last = trendWindow->trend().log().lastTime();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return trendWindow->trend().log().lastTime() > last; }, 5000));
    EXPECT_EQ(trendWindow->trend().viewEnd(), held);
    EXPECT_EQ(trendChild<QPushButton>("TrendPause")->text(), "Resume");

    QTemporaryDir out;
    for (const char* name : {"t.png", "t.svg", "t.csv"}) {
        ASSERT_TRUE(trendWindow->exportTo(out.filePath(name)))
            << trendWindow->status().toStdString();
        EXPECT_EQ(trendWindow->status(), "Exported to " + out.filePath(name));
    }
    QString error;
    const auto csv = TrendCsv::read(out.filePath("t.csv"), &error);
    ASSERT_TRUE(csv) << error.toStdString();
    EXPECT_EQ(csv->log.valueAt({1}, csv->log.lastTime()), 3);
    EXPECT_FALSE(trendWindow->exportTo(out.filePath("t.txt")));
    EXPECT_EQ(trendWindow->status(), "Not exported: the file must end in .png, .svg or .csv");
}
} // namespace
