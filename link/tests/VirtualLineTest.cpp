#include "Frames.h"
#include "Link.h"
#include "LinkRun.h"
#include "Transports.h"
#include "VirtualTransport.h"

#include "TestBytes.h"

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
        link.setDelayMs(2000);
        if (line) line->open();
    }
    std::unique_ptr<Transport> transport;
    VirtualTransport* line;
    Link link;
};

TEST_F(VirtualLine, ADownloadArrivesByteForByte) {
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(runProbe(link), true);
    EXPECT_EQ(link.received(), checked("AD03020000"));

    Frames::halt(link.ShortFrame);
    link.send(Link::Buffer::Short);
    QByteArray image(300, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 7 + 1);
    ASSERT_EQ(writeBytes(link, 0x0100, image), image.size());
    EXPECT_FALSE(line->controller().running());
    for (int i = 0; i < image.size(); ++i)
        ASSERT_EQ(line->controller().memory(quint16(0x0100 + i)), quint8(image[i])) << i;

    Frames::start(link.ShortFrame);
    link.send(Link::Buffer::Short);
    ASSERT_EQ(runProbe(link), true);
    EXPECT_TRUE(line->controller().running());
}

TEST_F(VirtualLine, AClosedLineLosesTheFrames) {
    ASSERT_NE(line, nullptr);
    line->close();
    link.setDelayMs(10);
    EXPECT_EQ(writeBytes(link, 0x0200, "\x01"), 0);
    EXPECT_EQ(link.trace(), ">T1>T2>T3");
    EXPECT_EQ(line->controller().memory(0x0200), 0);
}

} // namespace
