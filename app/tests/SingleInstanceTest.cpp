#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Runs the real program on the offscreen platform with a runtime folder of
// its own, so the test's lock cannot meet a user's running Obel.
class ObelProcess : public QProcess {
public:
    explicit ObelProcess(const QTemporaryDir& runtime) {
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        setProcessEnvironment(env);
        setProgram(OBEL_EXECUTABLE);
        start();
    }
    ~ObelProcess() override {
        if (state() != NotRunning) {
            kill();
            waitForFinished(5000);
        }
    }
};

TEST(SingleInstance, ASecondStartEndsWhileTheFirstRuns) {
    QTemporaryDir runtime;
    ObelProcess first(runtime);
    ASSERT_TRUE(first.waitForStarted(5000));
    const QString lock = runtime.filePath("obel.lock");
    for (int i = 0; i < 200 && !QFileInfo::exists(lock); ++i)
        QThread::msleep(25);
    ASSERT_TRUE(QFileInfo::exists(lock)) << "the first Obel never took its lock";

    ObelProcess second(runtime);
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second Obel kept running";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST(SingleInstance, TheFirstStartRunsUntilClosed) {
    QTemporaryDir runtime;
    ObelProcess only(runtime);
    ASSERT_TRUE(only.waitForStarted(5000));
    EXPECT_FALSE(only.waitForFinished(1500)); // still up: it has a window to show
    only.terminate();
    EXPECT_TRUE(only.waitForFinished(5000));
}

} // namespace
