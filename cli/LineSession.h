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

    // Runs work from the event loop and then the loop until end(); NoPort
    // when the line fails meanwhile.
    int run(const std::function<void()>& work);
    // Ends the work; run() returns once what was written has left the line.
    static void end(int status);

    // What every command on the line does last: waits until what it wrote
    // has left the line (a line served over TCP sends only once connected).
    // status, or NoPort after telling err what was not sent.
    static int finishSending(const PortOption::Line& line, int status, QTextStream& err);

private:
    PortOption::Line line_;
    Link link_;
    QTextStream& err_;
};
