// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <vector>

class QTextStream;

// obelc's commands, one row each. main() runs a command by its name, `obelc
// --help` lists them, the manual page (from that list) and the arguments
// fuzzer go through them: a new command is a new row.
class CommandTable {
public:
    using Run = std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)>;
    struct Command {
        QString name;
        QString summary;                // its line in `obelc --help`
        std::function<QString()> usage; // what `obelc NAME --help` prints
        Run run;                        // the arguments after the name
        bool draws = false;             // needs a Gui application (offscreen)
    };

    static const std::vector<Command>& commands();
    // The command of that name, or nothing.
    static const Command* named(QStringView name);
    // `obelc --help`: the commands with their summaries and the exit statuses.
    static QString usage();
};
