// SPDX-License-Identifier: GPL-3.0-or-later
// A serial device's opening and closing: low latency asked for and put back
// (watched through the ioctl seam on a fake device and seen on a real pty),
// and what was left on the line before discarded.

#include "SerialTransport.h"
#include "LowLatency.h"
#include "PtyTransport.h"
#include "SerialPortFacts.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <linux/serial.h>
#include <sys/ioctl.h>

#include <gtest/gtest.h>

namespace {

// A device's serial flags behind the seam, with every call written down:
// "get", "set on", "set off".
struct FakeDevice {
    int flags = ASYNC_SKIP_TEST; // a flag of the device's own, to be left alone
    int getError = 0, setError = 0;
    bool keeps = true;
    QStringList calls;

    LowLatency::Ioctl ioctl() {
        return [this](int, unsigned long request, serial_struct* info) {
            const bool get = request == TIOCGSERIAL;
            calls << (get                                 ? QStringLiteral("get")
                      : (info->flags & ASYNC_LOW_LATENCY) ? QStringLiteral("set on")
                                                          : QStringLiteral("set off"));
            if (const int error = get ? getError : setError) {
                errno = error;
                return -1;
            }
            if (get)
                info->flags = flags;
            else if (keeps)
                flags = info->flags;
            return 0;
        };
    }
};

TEST(LowLatency, IsAskedForOnceAndPutBackOnlyWhenItWasTurnedOn) {
    const struct {
        const char* name;
        int flags, getError, setError;
        bool keeps, taken;
        QStringList atRequest, atRestore;
        const char* reason;
    } cases[] = {
        {"off", 0, 0, 0, true, true, {"get", "set on", "get"}, {"get", "set off"}, ""},
        {"already on", ASYNC_LOW_LATENCY, 0, 0, true, true, {"get"}, {}, ""},
        {"no such ioctl (a pty)", 0, ENOTTY, 0, true, false, {"get"}, {}, "Inappropriate ioctl"},
        {"no permission", 0, 0, EPERM, true, false, {"get", "set on"}, {}, "not permitted"},
        {"a driver that drops it",
         0,
         0,
         0,
         false,
         false,
         {"get", "set on", "get"},
         {},
         "does not keep it"},
    };
    for (const auto& c : cases) {
        FakeDevice device;
        device.flags |= c.flags;
        const int before = device.flags;
        device.getError = c.getError;
        device.setError = c.setError;
        device.keeps = c.keeps;
        LowLatency flag(device.ioctl());
        EXPECT_EQ(flag.request(3), c.taken) << c.name;
        EXPECT_EQ(device.calls, c.atRequest) << c.name;
        EXPECT_TRUE(flag.reason().contains(c.reason))
            << c.name << ": " << qPrintable(flag.reason());
        device.calls.clear();
        flag.restore(3);
        flag.restore(3);
        EXPECT_EQ(device.calls, c.atRestore) << c.name;
        EXPECT_EQ(device.flags, before) << c.name << ": the device is left as it was found";
    }
}

class SerialOnAPty : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pty.open()) << pty.errorString().toStdString(); }
    // Bytes each way through the serial side.
    static void expectWorking(PtyTransport& pty, SerialTransport& serial) {
        QSignalSpy atSerial(&serial, &Transport::bytesArrived);
        QSignalSpy atPty(&pty, &Transport::bytesArrived);
        serial.write("ping");
        pty.write("pong");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !atSerial.isEmpty() && !atPty.isEmpty(); }, 5000));
        EXPECT_EQ(atSerial[0][0].toByteArray(), "pong");
        EXPECT_EQ(atPty[0][0].toByteArray(), "ping");
    }
    PtyTransport pty;
};

TEST_F(SerialOnAPty, TheFlagIsTurnedOnAtOpeningAndBackOffAtClosingOrDestruction) {
    FakeDevice device;
    {
        SerialTransport serial(pty.slavePath(), nullptr, device.ioctl());
        ASSERT_TRUE(serial.open());
        EXPECT_FALSE(serial.refusedAtOpen().contains("low latency"));
        EXPECT_EQ(device.calls, QStringList({"get", "set on", "get"}));
        EXPECT_TRUE(device.flags & ASYNC_LOW_LATENCY);
        serial.close();
        EXPECT_EQ(device.flags, ASYNC_SKIP_TEST);

        ASSERT_TRUE(serial.open());
        EXPECT_TRUE(device.flags & ASYNC_LOW_LATENCY);
        expectWorking(pty, serial);
    }
    EXPECT_EQ(device.flags, ASYNC_SKIP_TEST) << "put back when the line goes away open";
}

TEST_F(SerialOnAPty, ARealPtyRefusesItAndTheLineStillWorks) {
    SerialTransport serial(pty.slavePath());
    ASSERT_TRUE(serial.open());
    EXPECT_EQ(serial.refusedAtOpen().count("low latency"), 1);
    expectWorking(pty, serial);
}

TEST_F(SerialOnAPty, WhatWasLeftOnTheLineBeforeOpeningIsDiscarded) {
    pty.write("left by a program that has gone");
    SerialTransport serial(pty.slavePath());
    QTest::qWait(20);
    ASSERT_TRUE(serial.open());
    expectWorking(pty, serial);
}

// A sysfs of two devices as the kernel lays them out: an FTDI adapter and a
// UART behind the serial core's own port and controller devices.
TEST_F(SerialOnAPty, PortFactsReadTheDriverTheFlagAndTheLatencyTimer) {
    QTemporaryDir sysfs;
    const QString name = QFileInfo(pty.slavePath()).fileName();
    const auto makeDevice = [&](const QString& path, const QString& driver) {
        ASSERT_TRUE(QDir(sysfs.path()).mkpath("devices/" + path));
        ASSERT_TRUE(QDir(sysfs.path()).mkpath("bus/" + driver));
        ASSERT_TRUE(QFile::link(sysfs.filePath("bus/" + driver),
                                sysfs.filePath("devices/" + path + "/driver")));
    };
    const auto makeTty = [&](const QString& tty, const QString& path) {
        ASSERT_TRUE(QDir(sysfs.path()).mkpath("class/tty/" + tty));
        ASSERT_TRUE(QFile::link(sysfs.filePath("devices/" + path),
                                sysfs.filePath("class/tty/" + tty + "/device")));
    };
    makeDevice("usb1/1-1/1-1:1.0", "usb/drivers/ftdi_sio_usb");
    makeDevice("usb1/1-1/1-1:1.0/" + name, "usb-serial/drivers/ftdi_sio");
    makeTty(name, "usb1/1-1/1-1:1.0/" + name);
    ASSERT_TRUE(QDir(sysfs.path()).mkpath("bus/usb-serial/devices/" + name));
    QFile timer(sysfs.filePath("bus/usb-serial/devices/" + name + "/latency_timer"));
    ASSERT_TRUE(timer.open(QIODevice::WriteOnly));
    timer.write("16\n");
    timer.close();

    makeDevice("pnp0/00:00", "pnp/drivers/serial");
    makeDevice("pnp0/00:00/00:00:0", "serial-base/drivers/ctrl");
    makeDevice("pnp0/00:00/00:00:0/00:00:0.0", "serial-base/drivers/port");
    makeTty("ttyS0", "pnp0/00:00/00:00:0/00:00:0.0");

    FakeDevice device;
    EXPECT_EQ(SerialPortFacts::describe(pty.slavePath(), sysfs.path(), device.ioctl()),
              "driver ftdi_sio, low latency off, latency timer 16 ms");
    device.flags |= ASYNC_LOW_LATENCY;
    EXPECT_EQ(SerialPortFacts::lowLatency(pty.slavePath(), device.ioctl()), "low latency on");
    EXPECT_EQ(SerialPortFacts::driver("/dev/ttyS0", sysfs.path()), "serial");
    EXPECT_EQ(SerialPortFacts::latencyTimer("/dev/ttyS0", sysfs.path()), std::nullopt);

    // What cannot be read is said so.
    EXPECT_EQ(SerialPortFacts::describe(pty.slavePath(), sysfs.filePath("none")),
              "driver unknown, no low latency (Inappropriate ioctl for device)");
    EXPECT_TRUE(SerialPortFacts::lowLatency(sysfs.filePath("gone"), LowLatency::systemIoctl)
                    .startsWith("low latency unknown (No such file"));
}

} // namespace
