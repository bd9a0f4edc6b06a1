#pragma once

#include <QStringList>

class QTextStream;

// obelc hrim dw|reset [-C DIR] [--port PORT] [--baud N] [--param HEX]
// [--wait MS]: the second model's loader commands of the download window,
// then the dump of what the line brings back for a while.
class SecondModelCommand {
public:
    static const char* usage();
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
