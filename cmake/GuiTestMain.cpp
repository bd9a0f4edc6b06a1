// SPDX-License-Identifier: GPL-3.0-or-later
// The widget tests share one application object for the whole run.

#include <QApplication>

#include <gtest/gtest.h>

#include <optional>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // ctest lists the cases before it runs them; a list needs no display.
    std::optional<QApplication> app;
    if (!testing::GTEST_FLAG(list_tests)) app.emplace(argc, argv);
    return RUN_ALL_TESTS();
}
