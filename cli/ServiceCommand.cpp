#include "ServiceCommand.h"

#include "LineSession.h"
#include "PortOption.h"
#include "ProgramFolder.h"
#include "ServiceTools.h"

#include <QTextStream>

#include <algorithm>

namespace {

struct Form {
    const char* command;
    QStringList fields;
    const char* what;
};

template <std::size_t N> QStringList list(const std::array<QString, N>& names) {
    return QStringList(names.begin(), names.end());
}

Form form(ServiceCommand::Tool tool) {
    using Tool = ServiceCommand::Tool;
    switch (tool) {
    case Tool::WriteMemory:
        return {"write-memory", list(ServiceTools::memoryFieldNames()),
                "Sends the raw memory write A5, ADDR_H - A, ADDR_L, DATA and four more bytes\n"
                "(zero here), without a check, as \"WRITE\" of the \"Write Memory\" panel.\n"
                "ADDR_H is A to 109."};
    case Tool::LinkTest:
        return {"link-test", list(ServiceTools::testFieldNames()),
                "Sends the raw test frame A8, TRAD, DATA, as \"TRAN\" of the \"R/T Test\" panel."};
    case Tool::Request:
        return {"request", list(ServiceTools::requestFieldNames()),
                "Sends the Modbus request ADDR, COMM, 00, MEM_ST, 00, COT and its CRC, as\n"
                "\"Modef\" of the \"Modef Test\" panel (the panel's fields: 1 4 20 1)."};
    case Tool::Frame:
        break;
    }
    QStringList names;
    for (int i = 0; i < 9; ++i)
        names << ServiceTools::frameFieldName(i);
    return {"frame", names,
            "Sends the nine bytes B0 to B8 and their CRC, as \"TR\" of the \"TRMT\" panel."};
}

QString parse(const QStringList& args, int wanted, PortOption::Choice& choice, QStringList& fields,
              bool& help) {
    ArgReader reader(args);
    while (reader.more())
        if (const QString& arg = reader.next(); !PortOption::takeCommon(reader, arg, choice, help))
            fields << arg;
    if (reader.error().isEmpty() && !help && fields.size() != wanted)
        return QStringLiteral("%1 field(s) wanted, %2 given").arg(wanted).arg(fields.size());
    return reader.error();
}

template <std::size_t N> std::array<QString, N> array(const QStringList& fields) {
    std::array<QString, N> out;
    std::copy_n(fields.begin(), N, out.begin());
    return out;
}

ServiceTools::Result send(ServiceCommand::Tool tool, ServiceTools& tools, const QStringList& f) {
    using Tool = ServiceCommand::Tool;
    switch (tool) {
    case Tool::WriteMemory:
        return tools.writeMemory(array<3>(f));
    case Tool::LinkTest:
        return tools.linkTest(array<2>(f));
    case Tool::Request:
        return tools.freeRequest(array<4>(f));
    case Tool::Frame:
        break;
    }
    return tools.freeFrame(array<9>(f));
}

} // namespace

const char* ServiceCommand::name(Tool tool) {
    return form(tool).command;
}

QString ServiceCommand::usage(Tool tool) {
    const Form f = form(tool);
    return QStringLiteral(
               "usage: obelc %1 [-C PROGRAM_DIR] [--port PORT] [--baud N] %2\n"
               "\n"
               "%3\n"
               "Fields are hexadecimal; the first %4 characters of each count.\n"
               "Prints the bytes sent, in hex.\n"
               "\n"
               "%5"
               "  -h, --help      this text\n"
               "\n"
               "Exit status: 0 sent, 1 no program folder, 2 bad usage or a field out of\n"
               "range (nothing sent), 5 the port cannot be opened or did not send what was\n"
               "written.\n"
               "130 interrupted (SIGINT or SIGTERM).\n")
        .arg(QString::fromLatin1(f.command), f.fields.join(u' '), QString::fromLatin1(f.what),
             tool == Tool::Frame ? QStringLiteral("two") : QStringLiteral("three"),
             QString::fromLatin1(PortOption::usage()));
}

int ServiceCommand::run(Tool tool, const QStringList& args, QTextStream& out, QTextStream& err) {
    PortOption::Choice choice;
    QStringList fields;
    bool help = false;
    const Form f = form(tool);
    const QString usageError = parse(args, int(f.fields.size()), choice, fields, help);
    QString root;
    if (const auto status =
            PortOption::start(f.command, usageError, help, usage(tool), choice, root, out, err))
        return *status;
    LineSession session(ProgramFolder(root), choice, out, err);
    ServiceTools tools(session.link());
    return session.run([&] {
        const ServiceTools::Result result = send(tool, tools, fields);
        if (!result.refused()) return LineSession::end(LineSession::Done);
        err << "obelc: " << result.refusal << "\n";
        LineSession::end(LineSession::Usage);
    });
}
