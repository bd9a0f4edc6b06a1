// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceAccess.h"
#include "PtyTransport.h"
#include "SerialTransport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <unistd.h>

namespace {

TEST(DeviceAccess, TheAdviceNamesTheGroupThatGrantsAccessAndTheCommand) {
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyUSB0");
    QFile file(device);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::WriteGroup));
    if (QFileInfo(device).groupId() == 0) { // made by root: nobody joins root's group
        EXPECT_TRUE(DeviceAccess::advice(device).contains("only root"));
        const group* dialout = getgrnam("dialout");
        ASSERT_NE(dialout, nullptr);
        ASSERT_EQ(chown(qPrintable(device), uid_t(-1), dialout->gr_gid), 0);
    }
    const QString group = QFileInfo(device).group();
    ASSERT_FALSE(group.isEmpty());
    const QString advice = DeviceAccess::advice(device);
    EXPECT_TRUE(advice.contains(device + " belongs to the group " + group)) << advice.toStdString();
    EXPECT_TRUE(advice.contains("\"sudo usermod -aG " + group + ' ')) << advice.toStdString();

    // No group may open it: joining one would not help.
    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    EXPECT_TRUE(DeviceAccess::advice(device).contains("only " + QFileInfo(device).owner()))
        << DeviceAccess::advice(device).toStdString();
    EXPECT_TRUE(DeviceAccess::advice(dir.filePath("ttyUSB9")).isEmpty());
}

TEST(DeviceAccess, AnUnreadablePortSaysWhichGroupGrantsIt) {
    if (geteuid() == 0)
        GTEST_SKIP() << "runs as root, who may open any device: no permission error to provoke";
    PtyTransport pty;
    ASSERT_TRUE(pty.open()) << pty.errorString().toStdString();
    const QString device = pty.slavePath();
    // Open to its group only, not to its owner (this user).
    ASSERT_TRUE(QFile::setPermissions(device, QFile::ReadGroup | QFile::WriteGroup));
    EXPECT_FALSE(DeviceAccess::mayOpen(device));

    SerialTransport port(device);
    EXPECT_FALSE(port.open());
    const QString group = QFileInfo(device).group();
    EXPECT_TRUE(port.errorString().contains("usermod -aG " + group))
        << port.errorString().toStdString();
    EXPECT_TRUE(port.errorString().contains(device));
}

} // namespace
