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
    enum Status { Done = 0, Failed = 1, Usage = 2, NoAnswer = 3, NotAcknowledged = 4, NoPort = 5 };

    LineSession(const ProgramFolder& folder, const PortOption::Choice& choice, QTextStream& out,
                QTextStream& err, bool printFrames = true);

    // False when the line could not be opened (err has said why).
    bool opened() const { return static_cast<bool>(line_.transport); }
    Link& link() { return link_; }

    // Runs work from the event loop and then the loop until end(); NoPort
    // when the line fails meanwhile.
    int run(const std::function<void()>& work);
    static void end(int status);
    // Ends with Done once the line has had time to take frames that await
    // no answer: a line served over TCP sends them only once connected.
    static void endAfterSending();

private:
    PortOption::Line line_;
    Link link_;
    QTextStream& err_;
};
