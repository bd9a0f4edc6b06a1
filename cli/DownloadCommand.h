#pragma once

#include <QStringList>

class QTextStream;

// obelc download [-C DIR] [--port PORT] [--baud N] [--name MAPNAME]
// [--delay MS] SOURCE|-: the download of the assembler window's "Assm" with
// "WR" ticked: link check, assembly with the macro blocks, halt, transfer of
// every byte, the files, start.
class DownloadCommand {
public:
    static const char* usage();
    // Returns the exit status that usage() lists.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
