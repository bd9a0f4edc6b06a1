#pragma once

#include <QString>

class Link;

// The run/stop button. Its caption is all the program knows of the
// controller's state: "RUN" while it runs the program, "STOP" while it is
// halted. A click turns the caption over and sends the frame that makes it
// true; no answer is awaited, and the download leaves the caption alone.
// While a transfer holds the line the click sends nothing and the caption
// stays.
class RunControl {
public:
    static constexpr const char* Running = "RUN";
    static constexpr const char* Halted = "STOP";

    QString caption() const { return QString::fromLatin1(running_ ? Running : Halted); }
    // Whether the frame went out.
    bool click(Link& link);

private:
    bool running_ = false;
};
