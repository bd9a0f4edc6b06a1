// SPDX-License-Identifier: GPL-3.0-or-later
// obelc's argument parsing: the arguments of a command (the input's lines)
// with "--help" twice after them, so that every command stops once it has
// read its arguments, whatever they were, and nothing opens a line or runs.

#include "CommandTable.h"
#include "FuzzInput.h"

#include <QTextStream>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::application();
    if (size == 0) return 0;
    QStringList args =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1))
            .split(u'\n');
    // An option left waiting for its value takes the first "--help".
    args << QStringLiteral("--help") << QStringLiteral("--help");
    QString printed;
    QTextStream out(&printed), err(&printed);
    const auto& commands = CommandTable::commands();
    const int status = commands[data[0] % commands.size()].run(args, out, err);
    // Help or a usage error, nothing else.
    if (status != 0 && status != 2) std::abort();
    return 0;
}
