// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>

namespace {
const char* help() {
    return "usage: Obel [--captions LANGUAGE] [MAPFILE]\n"
           "\n"
           "The ladder editor, assembler and controller link. MAPFILE is opened in the\n"
           "map editor; when Obel runs already, its window comes to the front and\n"
           "opens it.\n"
           "\n"
           "  --captions LANGUAGE  the main window's captions: zh (or any Chinese locale)\n"
           "                       reads fun_name1.txt, other languages fun_name1_en.txt\n"
           "                       when the program folder has it; by default the\n"
           "                       desktop's language (LANGUAGE, LC_MESSAGES, LANG)\n"
           "  --version            the version\n"
           "  -h, --help           this text\n";
}
} // namespace

CommandLine::Result CommandLine::parse(const QStringList& arguments, const QLocale& desktop) {
    QCommandLineParser parser;
    const QCommandLineOption captions(QStringLiteral("captions"), QString(),
                                      QStringLiteral("LANGUAGE"));
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({captions, version, helpOption});

    const bool parsed = parser.parse(arguments);
    if (parser.isSet(version))
        return {Outcome::Version, {}, {}, QStringLiteral("Obel " OBEL_VERSION "\n")};
    if (parser.isSet(helpOption)) return {Outcome::Help, {}, {}, QString::fromLatin1(help())};
    if (!parsed)
        return {Outcome::Error, {}, {}, parser.errorText() + u'\n' + QString::fromLatin1(help())};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return {Outcome::Error,
                {},
                {},
                QStringLiteral("Obel opens one map, not also %1\n").arg(files[1]) +
                    QString::fromLatin1(help())};
    const QString language = parser.isSet(captions)
                                 ? parser.value(captions)
                                 : desktop.uiLanguages().value(0, desktop.name());
    return {Outcome::Run, language, files.value(0), {}};
}
