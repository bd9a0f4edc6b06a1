// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramDownload.h"
#include "Assmber.h"
#include "DownloadReport.h"
#include "LinkRun.h"
#include "ProgramFolder.h"

#include "FakeTransport.h"
#include "TestBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <set>

namespace {

using Outcome = ProgramDownload::Outcome;
using Phase = ProgramDownload::Phase;

// Two records: 0000 = C0 - 01 and 0002 = C0 - 02.
const QString TwoRecords = "            IN,0,1\r\n            IN,0,2\r\n";

QByteArray byteWrite(const QByteArray& addressAndData) {
    return checked("A55A" + addressAndData + "AA");
}

const QByteArray Probe = checked("AD0300010001");
const QByteArray Halt = checked("AAAAAAAAAAAA");
const QByteArray Start = checked("A7A7A7A7A7A7");

// A program folder, the link on a fake line whose controller answers the
// probe and acknowledges byte writes, and the download over both.
class Download : public ::testing::Test {
protected:
    Download() {
        QDir(dir.path()).mkpath("def");
        line.open();
        link.setTransport(&line);
        link.setDelayMs(20);
        link.setWithController(true);
        assmber.setWithController(true);
        assmber.setMapName("PUMP.MAP");
        line.responder = [this](const QByteArray& frame) -> QByteArray {
            if (quint8(frame[0]) == ControllerFacts::DefaultSlave) return checked("AD03020000");
            if (quint8(frame[0]) != ControllerFacts::ByteWrite) return {};
            const int address = (quint8(frame[2]) << 8) | quint8(frame[3]);
            if (refused.count(address)) return {};
            if (lostOnce.erase(address)) return {};
            return "\x5A";
        };
        QObject::connect(&download, &ProgramDownload::transferProgress,
                         [this](float percent) { percents << percent; });
        QObject::connect(&download, &ProgramDownload::beep, [this] { ++beeps; });
    }
    QString file(const QString& relative) const { return dir.filePath(relative); }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    FakeTransport line;
    Link link;
    Assmber assmber{folder};
    ProgramDownload download{link, assmber};
    std::set<int> refused, lostOnce;
    QList<float> percents;
    int beeps = 0;
};

TEST_F(Download, TwoRecordsGoOutInOrderWithTheirShareOfTheText) {
    QList<std::pair<Phase, int>> phases; // with LinkIdle at each
    QObject::connect(&download, &ProgramDownload::phaseChanged, [&](Phase phase) {
        EXPECT_EQ(download.phase(), phase);
        phases.append({phase, link.LinkIdle()});
    });
    std::optional<bool> runningAtEnd;
    QObject::connect(&download, &ProgramDownload::finished, [&] {
        runningAtEnd = download.running();
        EXPECT_EQ(link.LinkIdle(), 1);
    });

    ASSERT_EQ(runDownload(download, TwoRecords), Outcome::Done);
    EXPECT_EQ(line.written,
              QList<QByteArray>({Probe, Halt, byteWrite("0000C0"), byteWrite("000101"),
                                 byteWrite("0002C0"), byteWrite("000302"), Start}));
    EXPECT_EQ(percents, QList<float>({3.125f, 3.125f, 53.125f, 53.125f}));
    EXPECT_EQ(
        phases,
        (QList<std::pair<Phase, int>>{
            {Phase::Probe, 1}, {Phase::Assemble, 0}, {Phase::Macros, 0}, {Phase::Transfer, 0}}));
    EXPECT_EQ(runningAtEnd, false);
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(download.failure(), "");
    EXPECT_EQ(link.dump().byteCount(), 1);
    EXPECT_TRUE(QFile::exists(file("plc/PUMP.BIN")));
    EXPECT_TRUE(QFile::exists(file("mac/PUMP.MAP")));
}

TEST_F(Download, ASilentControllerGetsThreeProbesAndNothingIsAssembled) {
    line.responder = nullptr;
    ASSERT_EQ(runDownload(download, TwoRecords), Outcome::NoAnswer);
    EXPECT_EQ(line.written, QList<QByteArray>({Probe, Probe, Probe}));
    EXPECT_EQ(download.failure(), "RS-232 ERROR !!");
    EXPECT_EQ(assmber.code(), "");
    EXPECT_EQ(link.LinkIdle(), 1);

    // Without "WR" the same silent line takes the whole road, macros left out.
    line.written.clear();
    link.setWithController(false);
    assmber.setWithController(false);
    ASSERT_EQ(runDownload(download, TwoRecords + "            MACRO_N,3\r\n"), Outcome::Done);
    EXPECT_EQ(line.written.size(), 1 + 1 + 6 + 1);
    EXPECT_EQ(line.written.last(), Start);
    EXPECT_EQ(assmber.loadedMacros(), "");
}

TEST_F(Download, AnUnacknowledgedByteEndsTheTransferWithTheControllerHalted) {
    refused = {0x0001};
    ASSERT_EQ(runDownload(download, TwoRecords), Outcome::NotAcknowledged);
    const QByteArray failing = byteWrite("000101");
    EXPECT_EQ(line.written,
              QList<QByteArray>({Probe, Halt, byteWrite("0000C0"), failing, failing, failing}));
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
    EXPECT_EQ(download.failedAddress(), 0x0001);
    EXPECT_TRUE(download.failure().startsWith("Load ERROR !! at address 0x0001"))
        << download.failure().toStdString();
    EXPECT_FALSE(QFile::exists(file("plc/PUMP.BIN")));
    EXPECT_EQ(link.LinkIdle(), 1);

    EXPECT_EQ(DownloadReport::text(download, {"PUMP", "COM1", true, true}),
              "Load ERROR at 0001: no acknowledgement after 3 attempts; 1 of 4 bytes written; "
              "controller left halted");

    // An acknowledgement lost once costs one more attempt, nothing else.
    refused.clear();
    lostOnce = {0x0002};
    line.written.clear();
    ASSERT_EQ(runDownload(download, TwoRecords), Outcome::Done);
    EXPECT_EQ(line.written.count(byteWrite("0002C0")), 2);
    EXPECT_EQ(line.written.size(), 1 + 1 + 5 + 1);
    EXPECT_EQ(download.failedAddress(), -1);
    EXPECT_TRUE(QFile::exists(file("plc/PUMP.BIN")));
    const QString done = DownloadReport::text(download, {"PUMP", "COM1", true, true});
    EXPECT_TRUE(done.startsWith("PUMP: 4 bytes written to COM1 in ")) << done.toStdString();
}

TEST_F(Download, AnImageRecordThatDoesNotReadSendsNothingNotEvenTheHalt) {
    const struct {
        QString code;
        QString named;
        int address;
    } cases[] = {
        {"0000 = C0 - 01\r\n0002 = CG - 02\r\n", "record 2 \"0002 = CG - 02\"", 0x0002},
        {"0000 = C0 - 01\r\n0002 = C0 - 0", "record 2 \"0002 = C0 - 0\"", 0x0002},
        {"0001 = C0 - 01\r\n", "record 1 \"0001 = C0 - 01\"", 0x0001},
        {"0 00 = C0 - 01\r\n", "record 1", -1},
    };
    QString edited;
    QObject::connect(&download, &ProgramDownload::assembled, [&] { assmber.setCode(edited); });
    for (const auto& c : cases) {
        edited = c.code;
        line.written.clear();
        ASSERT_EQ(runDownload(download, TwoRecords), Outcome::BadImage);
        EXPECT_EQ(line.written, QList<QByteArray>({Probe}));
        EXPECT_TRUE(download.failure().contains(c.named)) << download.failure().toStdString();
        EXPECT_EQ(download.failedAddress(), c.address);
        EXPECT_EQ(link.LinkIdle(), 1);
    }
}

TEST_F(Download, ErrorsInTheAssemblyEndTheRoadBeforeTheTransfer) {
    ASSERT_EQ(runDownload(download, TwoRecords + "' 2\r\n            MOVD,05,1\r\n"),
              Outcome::AssemblyError);
    EXPECT_EQ(line.written, QList<QByteArray>({Probe}));
    EXPECT_TRUE(download.failure().startsWith("Error in Line")) << download.failure().toStdString();
    EXPECT_EQ(assmber.goToRow(), "2");

    line.written.clear();
    // A missing macro file is found before the halt: the controller runs on.
    ASSERT_EQ(runDownload(download, TwoRecords + "            MACRO_N,3\r\n"), Outcome::MacroError);
    EXPECT_EQ(line.written, QList<QByteArray>({Probe}));
    EXPECT_TRUE(download.failure().contains("MACRO ERROR")) << download.failure().toStdString();
    EXPECT_TRUE(download.failure().contains("MACRO/3.HEX is missing"))
        << download.failure().toStdString();
    EXPECT_EQ(link.LinkIdle(), 1);
}

TEST_F(Download, TheUsersStopEndsTheTransferAfterTheExchangeUnderWay) {
    QObject::connect(&download, &ProgramDownload::transferProgress, [&](float percent) {
        if (percent > 50) download.stop();
    });
    ASSERT_EQ(runDownload(download, TwoRecords), Outcome::Stopped);
    EXPECT_EQ(line.written,
              QList<QByteArray>({Probe, Halt, byteWrite("0000C0"), byteWrite("000101")}));
    EXPECT_TRUE(download.failure().contains("0x0002")) << download.failure().toStdString();
    EXPECT_TRUE(download.failure().contains("halted"));
    EXPECT_FALSE(QFile::exists(file("plc/PUMP.BIN")));
    EXPECT_EQ(link.LinkIdle(), 1);

    // Stopped while the probe is under way: it ends there, nothing assembled.
    line.written.clear();
    QObject::connect(&download, &ProgramDownload::phaseChanged, [&](Phase phase) {
        if (phase == Phase::Probe) download.stop();
    });
    ASSERT_EQ(runDownload(download, TwoRecords), Outcome::Stopped);
    EXPECT_EQ(line.written, QList<QByteArray>({Probe}));
    EXPECT_FALSE(download.running());
}

// One byte write after another, each from the event loop: a machine that
// called itself per byte would overflow this thread's small stack.
TEST(DownloadOfALongImage, EightKibibytesCompleteOnASmallStack) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("def");
    QString source;
    for (int i = 0; i < 4096; ++i)
        source += "            IN,0,1\r\n";
    std::optional<Outcome> outcome;
    qsizetype frames = 0;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        ProgramFolder folder(dir.path());
        FakeTransport line;
        line.open();
        line.responder = [](const QByteArray& frame) {
            return quint8(frame[0]) == ControllerFacts::Halt ||
                           quint8(frame[0]) == ControllerFacts::Start
                       ? QByteArray()
                       : QByteArray("\x5A");
        };
        Link link;
        link.setTransport(&line);
        Assmber assmber(folder);
        assmber.setWithController(true);
        ProgramDownload download(link, assmber);
        outcome = runDownload(download, source);
        frames = line.written.size();
    }));
    thread->setStackSize(256 * 1024);
    thread->start();
    ASSERT_TRUE(thread->wait(120000));
    EXPECT_EQ(outcome, Outcome::Done);
    EXPECT_EQ(frames, 1 + 1 + 8192 + 1);
}

} // namespace
