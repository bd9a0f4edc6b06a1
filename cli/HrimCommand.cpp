#include "HrimCommand.h"

#include "HrimLoader.h"
#include "LineSession.h"
#include "PortOption.h"
#include "ProgramFolder.h"

#include <QTextStream>
#include <QTimer>

namespace {

struct Options {
    PortOption::Choice line;
    QString action;
    QString parameter = QString::fromLatin1(HrimLoader::DefaultParameter);
    int waitMs = 1000;
};

QString parse(const QStringList& args, Options& options, bool& help) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString error;
        if (PortOption::takeCommon(args, i, options.line, help, error)) {
            if (!error.isEmpty()) return error;
        } else if (arg == u"--param" || arg == u"--wait") {
            if (i + 1 >= args.size()) return arg + QStringLiteral(" needs a value");
            const QString& value = args[++i];
            if (arg == u"--param") {
                options.parameter = value;
                continue;
            }
            if (error = PortOption::milliseconds(arg, value, options.waitMs, 0); !error.isEmpty())
                return error;
        } else if (options.action.isEmpty() && (arg == u"dw" || arg == u"reset")) {
            options.action = arg;
        } else {
            return QStringLiteral("unknown argument ") + arg;
        }
    }
    if (!help && options.action.isEmpty()) return QStringLiteral("dw or reset is missing");
    return {};
}

} // namespace

const char* HrimCommand::usage() {
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

int HrimCommand::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options options;
    QString root;
    if (const auto status =
            PortOption::begin("hrim", usage(), args, options, parse, root, out, err))
        return *status;
    LineSession session(ProgramFolder(root), options.line, out, err);
    Link& link = session.link();
    HrimLoader loader(link);
    return session.run([&] {
        link.setDumpSwitch(true);
        if (options.action == u"reset") {
            loader.reset(nullptr);
        } else if (QString refusal; loader.loaderStart(options.parameter, &refusal).isEmpty()) {
            err << "obelc: " << refusal << "\n";
            return LineSession::end(LineSession::Usage);
        }
        QTimer::singleShot(options.waitMs, [&] {
            out << "dump:" << link.dump().text() << "\n";
            LineSession::end(LineSession::Done);
        });
    });
}
