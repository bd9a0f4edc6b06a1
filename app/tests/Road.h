// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's windows on a copy of the shipped folder whose COM1 is one end
// of a socat pty pair; the virtual controller reads the other end.

#include "FakePrompter.h"
#include "Form3.h"
#include "MapFiles.h"
#include "SerialTransport.h"
#include "ShippedFolder.h"
#include "SocatPair.h"
#include "Station.h"
#include "TextFile.h"
#include "VirtualController.h"
#include "Windows.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

class Road : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pair.ready());
        TextFile::write(shipped.path("def/comports.def"), "COM1=" + pair.a + "\r\n");
        TextFile::write(shipped.path("def/rs232.def"), " 1\r\n9600,e,8,1\r\n");
        QObject::connect(&far, &Transport::bytesArrived, &controller, &VirtualController::receive);
        QObject::connect(&controller, &VirtualController::reply, &far, &Transport::write);
        QObject::connect(&controller, &VirtualController::handled,
                         [this](const QByteArray&, const QString& meaning) { line << meaning; });
        ASSERT_TRUE(far.open()) << far.errorString().toStdString();
        windows.start();
        windows.editor().mapFiles().browser().setFolder(shipped.path("PLC"));
    }

    // Loads a shipped map, presses the map editor's command button 1, then
    // clicks "Assm" and waits for the road's end.
    ProgramDownload::Outcome convertAndAssemble(const QString& map) {
        windows.editor().mapFiles().setFileName(map);
        EXPECT_TRUE(windows.editor().mapFiles().load());
        QTest::mousePress(windows.mapWindow().findChild<QPushButton*>("Command1(0)"),
                          Qt::LeftButton);
        Form3& form3 = windows.assemblerWindow();
        form3.findChild<QPushButton*>("Command1(0)")->click();
        const ProgramDownload& download = windows.station().download();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !download.running(); }, 60000));
        return download.outcome();
    }

    QTemporaryDir lines;
    SocatPair pair{lines.path()};
    ShippedFolder shipped;
    SerialTransport far{pair.b};
    VirtualController controller;
    QStringList line;
    ProgramFolder folder{shipped.path()};
    FakePrompter prompter;
    Windows windows{folder, prompter};
};
