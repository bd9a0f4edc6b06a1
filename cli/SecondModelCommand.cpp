// SPDX-License-Identifier: GPL-3.0-or-later
#include "SecondModelCommand.h"

#include "LineSession.h"
#include "PortOption.h"
#include "ProgramFolder.h"
#include "SecondModelLoader.h"

#include <QTextStream>
#include <QTimer>

namespace {

struct Options {
    PortOption::Choice line;
    QString action;
    QString parameter = QString::fromLatin1(SecondModelLoader::DefaultParameter);
    int waitMs = 1000;
};

QString parse(const QStringList& args, Options& options, bool& help) {
    ArgReader reader(args);
    while (reader.more()) {
        const QString& arg = reader.next();
        if (PortOption::takeCommon(reader, arg, options.line, help)) continue;
        if (arg == u"--param")
            options.parameter = reader.value();
        else if (arg == u"--wait")
            reader.milliseconds(options.waitMs, 0);
        else if (options.action.isEmpty() && (arg == u"dw" || arg == u"reset"))
            options.action = arg;
        else
            reader.fail(QStringLiteral("unknown argument ") + arg);
    }
    if (reader.error().isEmpty() && !help && options.action.isEmpty())
        return QStringLiteral("dw or reset is missing");
    return reader.error();
}

} // namespace

const char* SecondModelCommand::usage() {
    return "usage: obelc hrim dw|reset [-C PROGRAM_DIR] [--port PORT] [--baud N]\n"
           "                  [--param HEX] [--wait MS]\n"
           "\n"
           "The second controller model's loader commands, as the download window sends\n"
           "them: dw sends ten single AA bytes, then A6 and the parameter; reset sends ten\n"
           "single A7 bytes. Prints what it sent in hex, then, after waiting, the dump of\n"
           "what came back in the download window's form.\n"
           "\n"
           "%1"
           "  --param HEX     the loader's parameter, 0 to FF (default 8)\n"
           "  --wait MS       how long to gather what comes back (default 1000)\n"
           "  -h, --help      this text\n"
           "\n"
           "Exit status: 0 sent, 1 no program folder, 2 bad usage or a parameter above FF\n"
           "(nothing sent), 5 the port cannot be opened or did not send what was\n"
           "written.\n"
           "130 interrupted (SIGINT or SIGTERM).\n";
}

int SecondModelCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    QString root;
    if (const auto status =
            PortOption::begin("hrim", usage(), args, options, parse, root, out, err))
        return *status;
    LineSession session(ProgramFolder(root), options.line, out, err);
    Link& link = session.link();
    SecondModelLoader loader(link);
    return session.run([&] {
        link.setDumpSwitch(true);
        QString refusal;
        const QByteArray sent = options.action == u"reset"
                                    ? loader.reset(&refusal)
                                    : loader.loaderStart(options.parameter, &refusal);
        if (sent.isEmpty()) {
            err << "obelc: " << refusal << "\n";
            return LineSession::end(LineSession::Usage);
        }
        QTimer::singleShot(options.waitMs, [&] {
            out << "dump:" << link.dump().text() << "\n";
            LineSession::end(LineSession::Done);
        });
    });
}
