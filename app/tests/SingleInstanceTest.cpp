// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs the real program on the offscreen platform with a runtime folder of
// its own, so the test's lock cannot meet a user's running Obel. Qt logs
// every paint of a widget on stderr, which tells from outside whether the
// program has a window and whether its event loop runs.
class ObelProcess : public QProcess {
public:
    explicit ObelProcess(const QTemporaryDir& runtime, const char* platform = "offscreen") {
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", platform);
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("QT_LOGGING_RULES", "qt.widgets.painting=true");
        setProcessEnvironment(env);
        setProgram(OBEL_EXECUTABLE);
        setReadChannel(StandardError);
        start();
    }
    ~ObelProcess() override {
        if (state() != NotRunning) {
            kill();
            waitForFinished(5000);
        }
    }

    // The paints logged so far.
    qsizetype paints() {
        log_ += readAllStandardError();
        return log_.count("Drawing QRegion");
    }
    // Waits until more than `count` paints are logged, at most `ms`.
    bool paintsBeyond(qsizetype count, int ms) {
        const QDeadlineTimer deadline(ms);
        while (paints() <= count)
            if (!waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
        return true;
    }
    bool drewMainWindow() const { return log_.contains("name=\"Form1\""); }

private:
    QByteArray log_;
};

TEST(SingleInstance, ASecondStartEndsAtOnceWhileTheFirstRuns) {
    QTemporaryDir runtime;
    ObelProcess first(runtime);
    ASSERT_TRUE(first.paintsBeyond(0, 20000)) << "the first Obel never drew a window";
    ASSERT_TRUE(first.drewMainWindow());
    // The title pulses on a timer: painting goes on only while the event loop runs.
    ASSERT_TRUE(first.paintsBeyond(first.paints(), 5000)) << "the first Obel hangs";

    ObelProcess second(runtime);
    ASSERT_TRUE(second.waitForFinished(5000)) << "the second Obel kept running";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.paints(), 0) << "the second Obel drew a window";

    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    EXPECT_TRUE(first.waitForFinished(5000));
}

// The same user on another display is another Obel: the first window must
// not jump in front of what that user works on there.
TEST(SingleInstance, AStartOnAnotherDisplayRunsOnItsOwn) {
    QTemporaryDir runtime;
    ObelProcess first(runtime);
    ASSERT_TRUE(first.paintsBeyond(0, 20000)) << "the first Obel never drew a window";

    ObelProcess elsewhere(runtime, "minimal");
    EXPECT_FALSE(elsewhere.waitForFinished(3000)) << "it handed over to the first and ended";
    EXPECT_EQ(elsewhere.state(), QProcess::Running);
    EXPECT_EQ(first.state(), QProcess::Running);
}

} // namespace
