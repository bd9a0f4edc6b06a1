#pragma once

#include "Link.h"
#include "PortOption.h"
#include "Transport.h"

#include <functional>

class ProgramFolder;
class QTextStream;

// An obelc command's time on the line: the line PortOption chose, opened, a
// link on it, and the event loop until the work ends it. With frames
// printed, every frame that goes out is written on out in hex, one a line.
class LineSession {
public:
    enum Status {
        Done = 0,
        Failed = 1,
        Usage = 2,
        NoAnswer = 3,
        NotAcknowledged = 4,
        NoPort = 5,
        Interrupted = 130, // SIGINT or SIGTERM, as a shell counts it
    };

    LineSession(const ProgramFolder& folder, const PortOption::Choice& choice, QTextStream& out,
                QTextStream& err, bool printFrames = true);

    // False when the line could not be opened (err has said why).
    bool opened() const { return static_cast<bool>(line_.transport); }
    // "COM1 (/dev/ttyUSB0)", or the target as given.
    const QString& lineName() const { return line_.name; }
    Link& link() { return link_; }

    // What SIGINT or SIGTERM does while run() runs; by default it says what
    // became of the work and ends with Interrupted.
    void setInterrupt(std::function<void()> interrupt) { interrupt_ = std::move(interrupt); }
    // Words added to the report of a line lost under the work.
    void setLossNote(std::function<QString()> note) { lossNote_ = std::move(note); }

    // Runs work from the event loop and then the loop until end(); NoPort
    // when the line fails meanwhile. Returns only once what was written has
    // left the line (a line served over TCP sends only once connected), or
    // with NoPort after telling err what was not sent.
    int run(const std::function<void()>& work);
    // Ends the work.
    static void end(int status);

private:
    int finishSending(int status);

    PortOption::Line line_;
    Link link_;
    QTextStream& err_;
    std::function<void()> interrupt_;
    std::function<QString()> lossNote_;
};
