// SPDX-License-Identifier: GPL-3.0-or-later
// gtest_main runs the tests; the link's timers and sockets want an
// application object and its event loop.

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Application : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QCoreApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[10] = "link_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] const auto* environment = ::testing::AddGlobalTestEnvironment(new Application);

} // namespace
