// SPDX-License-Identifier: GPL-3.0-or-later
// obelc: Obel's cores without a window.

#include "CommandStart.h"
#include "CommandTable.h"
#include "MapPdf.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// Commands that draw need a Gui application, on the offscreen platform.
int drawing(int argc, char* argv[], const CommandTable::Run& run) {
    return MapPdf::headless(argc, argv, [&run](const QStringList& arguments) {
        QCoreApplication::setApplicationName(QStringLiteral("Obel"));
        QTextStream out(stdout), err(stderr);
        if (const auto refused = CommandStart::refuseEmpty(arguments[1], arguments.mid(2), err))
            return *refused;
        return run(arguments.mid(2), out, err);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandTable::Command* command =
        argc > 1 ? CommandTable::named(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (command && command->draws) return drawing(argc, argv, command->run);
    QCoreApplication app(argc, argv);
    // The same name as the program, so both find the same program folder.
    QCoreApplication::setApplicationName(QStringLiteral("Obel"));
    QTextStream out(stdout), err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << CommandTable::usage();
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == u"-h" || name == u"--help" || name == u"help") {
        out << CommandTable::usage();
        return 0;
    }
    if (name == u"--version") {
        out << "obelc " OBEL_VERSION "\n";
        return 0;
    }
    if (const auto refused = CommandStart::refuseEmpty(name, args, err)) return *refused;
    if (command) return command->run(args, out, err);
    err << "obelc: unknown command " << name << "\n" << CommandTable::usage();
    return 2;
}
