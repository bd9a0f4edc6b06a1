#include "CommandStart.h"

#include <QTextStream>

std::optional<int> CommandStart::afterParse(const char* command, const QString& error, bool help,
                                            const char* usage, QTextStream& out, QTextStream& err) {
    if (!error.isEmpty()) {
        err << "obelc " << command << ": " << error << "\n" << usage;
        return 2;
    }
    if (help) {
        out << usage;
        return 0;
    }
    return std::nullopt;
}
