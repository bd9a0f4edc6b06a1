// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTextStream;

// The transfer's progress on stderr: on a terminal a bar redrawn in place,
// elsewhere a line at every tenth, so a log does not get one line a byte.
class ProgressReport {
public:
    ProgressReport(QTextStream& err, bool terminal) : err_(err), terminal_(terminal) {}

    void show(float percent);
    // Ends the report: the full bar when the transfer completed, and the
    // line under the bar so what follows starts on its own line.
    void end(bool complete);

private:
    void draw(int percent);

    QTextStream& err_;
    bool terminal_;
    int shown_ = -1; // the last percent drawn, or tenth printed
};
