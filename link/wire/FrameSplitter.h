// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>

// Finds the controller's frames in the byte stream of a serial line, where a
// read may hold part of a frame or several frames at once. Modbus requests
// are told apart by their function code's length rule, the controller's own
// frames by their first byte; 0xAA and 0xA7 start both a checked 8-byte
// command and the second model's single command bytes, so a run of them is
// decided by the check bytes, or by the line going quiet. Each frame is
// handed on as soon as it is found, and only the start of a frame that is
// not whole yet is kept (at most 264 bytes), whatever a read brings. Bytes
// that start no frame are handed on in runs, once a frame follows, the run
// is NoiseRun long or the line goes quiet: garbage on the line costs one
// handling a run, not one a byte.
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
        Noise,          // a run of bytes that start no frame, up to NoiseRun
    };
    struct Frame {
        Kind kind;
        QByteArray bytes;
    };

    using Take = std::function<void(const Frame& frame)>;
    static constexpr qsizetype NoiseRun = 64;

    void feed(const QByteArray& bytes, const Take& take);
    // The line went quiet: what is left can grow no further.
    void flush(const Take& take);
    bool pending() const { return start_ < buffer_.size() || !noise_.isEmpty(); }

private:
    // Hands on every whole frame from start_ on, then lets go of them.
    void split(const Take& take);
    void endNoise(const Take& take);
    // The frame at the head of the buffer; its bytes are empty when more
    // bytes are needed to tell.
    Frame head() const;
    Frame commandOrSingle(Kind command, Kind single) const;
    Frame modbus() const;
    Frame take(Kind kind, qsizetype length) const;
    qsizetype waiting() const { return buffer_.size() - start_; }
    char at(qsizetype i) const { return buffer_[start_ + i]; }

    QByteArray buffer_;
    qsizetype start_ = 0; // where the frames not yet handed on begin
    QByteArray noise_;    // the run of noise not yet handed on
};
