#pragma once

#include "ArgReader.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class ProgramFolder;
class QTextStream;
class Transport;

// The line an obelc command talks to the controller on: --port (COM1-COM5
// through def/comports.def, a device path, tcp:HOST:PORT or sim) and --baud
// (the line settings "N,e,8,1"); by default the port and line settings that
// def/rs232.def remembers, as the assembler window opens them.
class PortOption {
public:
    struct Choice {
        QString programDir; // -C
        QString port;
        QString baud;
    };
    // Takes -C, --port or --baud and its value; false when arg is none of
    // them. A missing or bad value is told to the reader.
    static bool take(ArgReader& reader, const QString& arg, Choice& choice);

    struct Line {
        std::unique_ptr<Transport> transport; // nothing when it cannot be opened
        QString name;                         // "COM1 (/dev/ttyUSB0)", or the target
    };
    // The opened line; without a transport after telling err why.
    static Line open(const ProgramFolder& folder, const Choice& choice, QTextStream& err);

    // Takes -C, --port, --baud, -h or --help; false when arg is none of them.
    static bool takeCommon(ArgReader& reader, const QString& arg, Choice& choice, bool& help);

    static const char* usage();

    // What a command on the line does first: its arguments parsed into
    // options (whose line is their .line), then start(). usage has %1 where
    // the line options' lines go.
    template <class Options>
    static std::optional<int> begin(const char* command, const char* usage, const QStringList& args,
                                    Options& options,
                                    QString (*parse)(const QStringList&, Options&, bool&),
                                    QString& root, QTextStream& out, QTextStream& err) {
        bool help = false;
        const QString usageError = parse(args, options, help);
        return start(command, usageError, help, withLineOptions(usage), options.line, root, out,
                     err);
    }

    // A line command's usage with the line options' lines where its %1 is.
    static QString withLineOptions(const char* usage) {
        return QString::fromLatin1(usage).arg(QString::fromLatin1(PortOption::usage()));
    }

    // What a command on the line does before its work: a usage error or
    // --help ends it (usage is its whole text), then the program folder is
    // found. The status to end with, or nothing and root set.
    static std::optional<int> start(const char* command, const QString& usageError, bool help,
                                    const QString& usage, const Choice& choice, QString& root,
                                    QTextStream& out, QTextStream& err);
};
