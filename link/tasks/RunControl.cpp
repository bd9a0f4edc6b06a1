#include "RunControl.h"

#include "Frames.h"
#include "Link.h"

bool RunControl::click(Link& link) {
    if (link.send(running_ ? &Frames::halt : &Frames::start).isEmpty()) return false;
    running_ = !running_;
    return true;
}
