#pragma once

#include <QByteArray>

#include <vector>

// Finds the controller's frames in the byte stream of a serial line, where a
// read may hold part of a frame or several frames at once. Modbus requests
// are told apart by their function code's length rule, the controller's own
// frames by their first byte; 0xAA and 0xA7 start both a checked 8-byte
// command and the second model's single command bytes, so a run of them is
// decided by the check bytes, or by the line going quiet.
class FrameSplitter {
public:
    enum class Kind {
        Modbus,         // a Modbus RTU request with a good check
        Halt,           // AA x 6 + check
        Start,          // A7 x 6 + check
        ByteWrite,      // A5 5A hi lo data xx + check
        RawMemoryWrite, // A5 hi-10 lo data + four bytes, no check; hi-10 is not 5A
        RawTest,        // A8 address data
        LoaderByte,     // a single AA
        ResetByte,      // a single A7
        LoaderStart,    // A6 parameter
        BadCheck,       // a frame whose check is wrong
        Noise,          // bytes that start no frame
    };
    struct Frame {
        Kind kind;
        QByteArray bytes;
    };

    std::vector<Frame> feed(const QByteArray& bytes);
    // The line went quiet: what is left can grow no further.
    std::vector<Frame> flush();
    bool pending() const { return !buffer_.isEmpty(); }

private:
    // The frame at the head of the buffer; its bytes are empty when more
    // bytes are needed to tell.
    Frame head() const;
    Frame commandOrSingle(Kind command, Kind single) const;
    Frame modbus() const;
    Frame take(Kind kind, qsizetype length) const;

    QByteArray buffer_;
};
