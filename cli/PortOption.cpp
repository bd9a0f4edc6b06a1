#include "PortOption.h"

#include "LineOpening.h"

#include "CommandStart.h"
#include "LineSettings.h"
#include "PortMap.h"
#include "PortSettings.h"
#include "ProgramFolder.h"
#include "ProgramFolderOption.h"
#include "TerminalText.h"
#include "Transport.h"
#include "Transports.h"

#include <QRegularExpression>
#include <QTextStream>

namespace {

QString lineText(const QString& baud) {
    return baud + QStringLiteral(",e,8,1");
}

// The port number of "COMn", 0 for any other text.
int comNumber(const QString& port) {
    static const QRegularExpression com(QStringLiteral("^COM([0-9]+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = com.match(port);
    const int n = match.hasMatch() ? match.captured(1).toInt() : 0;
    return n >= 1 && n <= PortSettings::MaxPort ? n : 0;
}

} // namespace

bool PortOption::take(ArgReader& reader, const QString& arg, Choice& choice) {
    if (arg != u"-C" && arg != u"--port" && arg != u"--baud") return false;
    const QString value = reader.value();
    (arg == u"-C" ? choice.programDir : arg == u"--port" ? choice.port : choice.baud) = value;
    bool number = false;
    if (arg == u"--baud" && reader.error().isEmpty() &&
        (value.toInt(&number) <= 0 || !number || !LineSettings::parse(lineText(value))))
        reader.fail(QStringLiteral("--baud needs a rate in bits per second, not ") + value);
    return true;
}

PortOption::Line PortOption::open(const ProgramFolder& folder, const Choice& choice,
                                  QTextStream& err) {
    PortSettings remembered(folder, &Transports::make);
    const auto tell = [&err](const QString& text) {
        TerminalText::print(err, QStringLiteral("obelc: ") + text + u'\n');
    };
    QObject::connect(&remembered, &PortSettings::problem, tell);
    remembered.readFile();
    const int port = choice.port.isEmpty() ? remembered.commPort() : comNumber(choice.port);
    const PortMap ports = port ? PortMap::read(folder) : PortMap();
    for (const QString& problem : ports.problems())
        tell(problem);
    const QString target = port ? ports.target(port) : choice.port;
    const auto settings =
        LineSettings::parse(choice.baud.isEmpty() ? remembered.settings() : lineText(choice.baud));
    auto opened = LineOpening::open(port, target, *settings, &Transports::make);
    if (!opened.refused.isEmpty()) tell(opened.refused);
    if (!opened.problem.isEmpty()) {
        tell(opened.problem);
        opened.transport.reset();
    }
    return {std::move(opened.transport), LineOpening::name(port, target)};
}

bool PortOption::takeCommon(ArgReader& reader, const QString& arg, Choice& choice, bool& help) {
    if (ArgReader::isHelp(arg)) return help = true;
    return take(reader, arg, choice);
}

const char* PortOption::usage() {
    return "  -C PROGRAM_DIR  the program folder (default: the one Obel uses)\n"
           "  --port PORT     COM1-COM5 (through def/comports.def), a device path,\n"
           "                  tcp:HOST:PORT or sim (default: the port of def/rs232.def)\n"
           "  --baud N        the line settings N,e,8,1 (default: those of def/rs232.def)\n";
}

std::optional<int> PortOption::start(const char* command, const QString& usageError, bool help,
                                     const QString& usage, const Choice& choice, QString& root,
                                     QTextStream& out, QTextStream& err) {
    const QByteArray text = usage.toLatin1();
    if (const auto status =
            CommandStart::afterParse(command, usageError, help, text.constData(), out, err))
        return status;
    root = ProgramFolderOption::resolve(choice.programDir, err);
    if (root.isEmpty()) return 1;
    return std::nullopt;
}
