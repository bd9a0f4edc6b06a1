// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transports.h"

#include "SerialTransport.h"
#include "TcpTransport.h"
#include "VirtualTransport.h"

#include <gtest/gtest.h>

namespace {

TEST(Transports, WhatEachTargetMakes) {
    const struct {
        const char* target;
        const char* host; // a tcp: line
        int port;
    } tcp[] = {
        {"tcp:plc.local:4001", "plc.local", 4001},
        {"TCP:10.0.0.5:65535", "10.0.0.5", 65535},
        {"tcp:[fe80::1%eth0]:502", "fe80::1%eth0", 502},
        {"tcp:[::1]:1", "::1", 1},
    };
    for (const auto& c : tcp) {
        const auto line = Transports::make(c.target);
        const auto* t = dynamic_cast<const TcpTransport*>(line.get());
        ASSERT_NE(t, nullptr) << c.target;
        EXPECT_EQ(t->host(), c.host) << c.target;
        EXPECT_EQ(t->port(), c.port) << c.target;
    }

    for (const char* target :
         {"tcp:", "tcp:host", "tcp::502", "tcp:host:0", "tcp:host:65536", "tcp:host:-1",
          "tcp:host:4001x", "tcp:[::1]", "tcp:[::1:502", "tcp:::1]:502", "tcp:[]:502"})
        EXPECT_EQ(Transports::make(target), nullptr) << target;

    EXPECT_NE(dynamic_cast<VirtualTransport*>(Transports::make("sim").get()), nullptr);
    EXPECT_NE(dynamic_cast<VirtualTransport*>(Transports::make("SIM").get()), nullptr);

    // Anything else names a device, an unknown word too: it is a serial
    // line that does not open, and the port settings say why.
    for (const char* target : {"/dev/serial/by-id/usb-FTDI-if00-port0", "COM1", "simulator"}) {
        const auto line = Transports::make(target);
        ASSERT_NE(dynamic_cast<SerialTransport*>(line.get()), nullptr) << target;
        EXPECT_FALSE(line->open()) << target;
        EXPECT_FALSE(line->errorString().isEmpty()) << target;
    }
}

} // namespace
