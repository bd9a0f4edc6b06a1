// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameSplitter.h"

#include "TestBytes.h"

#include <gtest/gtest.h>

namespace {

using Kind = FrameSplitter::Kind;

const char* Probe = "AD0300010001CDA6";
const char* Halt = "AAAAAAAAAAAAFF2E";
const char* Start = "A7A7A7A7A7A785C8";
const char* ByteWrite = "A55A0F0102AA"; // + check, built below

// The frames a splitter hands on.
struct Found {
    FrameSplitter::Take take() {
        return [this](const FrameSplitter::Frame& f) { found.push_back(f); };
    }
    std::vector<Kind> kinds() const {
        std::vector<Kind> k;
        for (const auto& f : found)
            k.push_back(f.kind);
        return k;
    }
    std::vector<FrameSplitter::Frame> found;
};

// The stream cut into pieces of `piece` bytes (0: all at once).
std::vector<Kind> split(const QByteArray& stream, int piece, bool quiet) {
    FrameSplitter splitter;
    Found frames;
    const int step = piece ? piece : int(stream.size());
    for (int at = 0; at < stream.size(); at += step)
        splitter.feed(stream.mid(at, step), frames.take());
    if (quiet) splitter.flush(frames.take());
    return frames.kinds();
}

TEST(FrameSplitter, FindsFramesHoweverTheLineCutsTheStream) {
    const struct {
        const char* name;
        QByteArray stream;
        std::vector<Kind> expected;
    } cases[] = {
        {"probe", hex(Probe), {Kind::Modbus}},
        {"halt, byte write, start",
         hex(Halt) + checked(ByteWrite) + hex(Start),
         {Kind::Halt, Kind::ByteWrite, Kind::Start}},
        {"clock write", checked("AD100050000408261201060905035A"), {Kind::Modbus}},
        {"raw memory write", hex("A51000FF0001CDA6"), {Kind::RawMemoryWrite}},
        {"raw test then probe", hex("A81234") + hex(Probe), {Kind::RawTest, Kind::Modbus}},
        {"the loader's burst and start",
         QByteArray(10, '\xAA') + hex("A608"),
         {Kind::LoaderByte, Kind::LoaderByte, Kind::LoaderByte, Kind::LoaderByte, Kind::LoaderByte,
          Kind::LoaderByte, Kind::LoaderByte, Kind::LoaderByte, Kind::LoaderByte, Kind::LoaderByte,
          Kind::LoaderStart}},
        {"a damaged probe, then a good one",
         hex("AD0300010001CDA7") + hex(Probe),
         {Kind::BadCheck, Kind::Modbus}},
        // Not a raw memory write either, though it starts A5 like one.
        {"a damaged byte write, then a good one",
         hex("A55A0F0102AA9329") + checked(ByteWrite),
         {Kind::BadCheck, Kind::ByteWrite}},
        {"noise before a frame: one run", hex("00FF") + hex(Probe), {Kind::Noise, Kind::Modbus}},
        {"150 bytes of noise: runs of 64, 64 and 22",
         QByteArray(150, '\0') + hex(Probe),
         {Kind::Noise, Kind::Noise, Kind::Noise, Kind::Modbus}},
    };
    for (const auto& c : cases)
        for (const int piece : {0, 1, 3, 5})
            EXPECT_EQ(split(c.stream, piece, false), c.expected)
                << c.name << ", pieces of " << piece;
}

TEST(FrameSplitter, QuietDecidesWhatCouldStillHaveGrown) {
    // Ten reset bytes: the last six could still become a start frame until the line goes quiet.
    const QByteArray resets(10, '\xA7');
    EXPECT_EQ(split(resets, 1, false).size(), 4u);
    EXPECT_EQ(split(resets, 1, true), std::vector<Kind>(10, Kind::ResetByte));

    // A frame cut short is dropped as a whole; the splitter is empty afterwards.
    FrameSplitter splitter;
    Found frames;
    splitter.feed(hex("AD030001"), frames.take());
    EXPECT_TRUE(frames.found.empty());
    EXPECT_TRUE(splitter.pending());
    splitter.flush(frames.take());
    ASSERT_EQ(frames.found.size(), 1u);
    EXPECT_EQ(frames.found[0].kind, Kind::Noise);
    EXPECT_EQ(frames.found[0].bytes, hex("AD030001"));
    EXPECT_FALSE(splitter.pending());
}

} // namespace
