#include "RunControl.h"

#include "Frames.h"
#include "Link.h"

void RunControl::click(Link& link) {
    running_ = !running_;
    if (running_)
        Frames::start(link.ShortFrame);
    else
        Frames::halt(link.ShortFrame);
    link.send(Link::Buffer::Short);
}
