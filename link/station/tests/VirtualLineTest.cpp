#include "Assmber.h"
#include "Frames.h"
#include "Link.h"
#include "LinkRun.h"
#include "ProgramDownload.h"
#include "ProgramFolder.h"
#include "Transports.h"
#include "VirtualTransport.h"

#include "TestBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The link against the virtual controller in the same process: "sim" in the
// port mapping.
class VirtualLine : public ::testing::Test {
protected:
    VirtualLine()
        : transport(Transports::make("sim")),
          line(dynamic_cast<VirtualTransport*>(transport.get())) {
        link.setTransport(transport.get());
        link.setDelayMs(200); // the probe's reply is waited out in full
        if (line) line->open();
    }
    std::unique_ptr<Transport> transport;
    VirtualTransport* line;
    Link link;
};

TEST_F(VirtualLine, ADownloadLeavesTheImageInTheControllerAndStartsIt) {
    ASSERT_NE(line, nullptr);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("def");
    const ProgramFolder folder(dir.path());
    Assmber assmber(folder);
    assmber.setWithController(true);
    ProgramDownload download(link, assmber);
    // A running controller is halted for the transfer.
    link.send(&Frames::start);
    ASSERT_TRUE(QTest::qWaitFor([&] { return line->controller().running(); }, 5000));
    std::optional<bool> runningAtTheEnd; // before the start frame arrives
    QObject::connect(&download, &ProgramDownload::finished,
                     [&] { runningAtTheEnd = line->controller().running(); });

    const QString source = "            IN,0,1\r\n            MOVD,&H1F,&H10\r\n"
                           "            ORG,1\r\n            END\r\n";
    ASSERT_EQ(runDownload(download, source), ProgramDownload::Outcome::Done);
    const QList<CodeImage::Record> records = CodeImage::records(assmber.code());
    ASSERT_EQ(records.size(), 3);
    for (const CodeImage::Record& r : records) {
        EXPECT_EQ(line->controller().memory(quint16(r.address)), r.even) << r.address;
        EXPECT_EQ(line->controller().memory(quint16(r.address + 1)), r.odd) << r.address;
    }
    EXPECT_EQ(runningAtTheEnd, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return line->controller().running(); }, 5000));
}

TEST_F(VirtualLine, AClosedLineLosesTheFrames) {
    ASSERT_NE(line, nullptr);
    line->close();
    link.setDelayMs(10);
    const auto write = [](ShortBytes& f) { Frames::byteWrite(f, 0x0200, 0x01); };
    EXPECT_EQ(runExchange(link, write, Link::Flag::Ack), false);
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
    EXPECT_EQ(line->controller().memory(0x0200), 0);
}

} // namespace
