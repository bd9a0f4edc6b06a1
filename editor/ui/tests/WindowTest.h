// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakePrompter.h"
#include "Form1.h"
#include "MapEditor.h"
#include "ProgramFolder.h"
#include "ShippedFolder.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The main window on a private copy of the shipped program folder, opened
// as the program opens it; tests that change files first call open() after.
class WindowTest : public ::testing::Test {
protected:
    void open() {
        editor = std::make_unique<MapEditor>(folder, prompter);
        window = std::make_unique<Form1>(*editor);
        window->start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class T> T* child(const QString& objectName) {
        T* widget = window->findChild<T*>(objectName);
        EXPECT_NE(widget, nullptr) << objectName.toStdString();
        return widget;
    }

    ShippedFolder shipped;
    ProgramFolder folder{shipped.path()};
    FakePrompter prompter;
    std::unique_ptr<MapEditor> editor;
    std::unique_ptr<Form1> window;
};
