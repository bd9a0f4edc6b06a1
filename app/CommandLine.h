// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// What Obel takes on its command line: a map file to open, --captions
// LANGUAGE chooses the main window's caption file (by default the desktop's
// language decides), --version and --help answer and end the program.
class CommandLine {
public:
    enum class Outcome { Run, Version, Help, Error };
    struct Result {
        Outcome outcome = Outcome::Run;
        QString captionLanguage; // a locale name, for CaptionFile::fileFor
        QString mapFile;         // the map to open, as given; empty for none
        QString text;            // the answer, or what is wrong
    };

    // arguments as main() has them, the program's name first.
    static Result parse(const QStringList& arguments, const QLocale& desktop);
};
