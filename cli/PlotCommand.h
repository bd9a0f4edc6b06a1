// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// obelc plot RECORDING.csv [--cells NAMES] [--size WxH] OUT.png|OUT.svg: a
// recording of the tracer (or an export of the trend window) drawn by the
// trend window's painter, for reports and bug tickets.
class PlotCommand {
public:
    static const char* usage();
    // Returns the exit status: 0 done, 1 a file failed, 2 bad usage.
    // Needs the application drawing needs (see MapPdf::headless).
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
