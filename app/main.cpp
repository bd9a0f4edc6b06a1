// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "MessageBoxPrompter.h"
#include "ProgramFolder.h"
#include "SingleInstance.h"
#include "StartRequests.h"
#include "Windows.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char* argv[]) {
    // --version and --help answer before a display is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Result early = CommandLine::parse(arguments, QLocale::system());
    if (early.outcome == CommandLine::Outcome::Version ||
        early.outcome == CommandLine::Outcome::Help) {
        std::fputs(early.text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Obel"));
    QApplication::setApplicationVersion(QStringLiteral(OBEL_VERSION));
    // Now without the options Qt takes itself (-platform, -style, ...).
    const CommandLine::Result line = CommandLine::parse(app.arguments(), QLocale::system());
    if (line.outcome != CommandLine::Outcome::Run) {
        std::fputs(line.text.toLocal8Bit().constData(), stderr);
        return 2;
    }

    // The map is named for the folder this start was made in.
    const QString mapPath =
        line.mapFile.isEmpty() ? QString() : QFileInfo(line.mapFile).absoluteFilePath();
    QString error;
    const QString root = ProgramFolder::locateFor(QCoreApplication::applicationDirPath(), &error);
    if (root.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Obel"), error);
        return 1;
    }
    // The same Obel: the same user, display and program folder.
    SingleInstance instance(
        SingleInstance::defaultLockPath(SingleInstance::currentDisplay(), root));
    if (!instance.isFirst()) {
        if (instance.handOver(mapPath)) return 0;
        std::fputs("Obel: another Obel holds the lock but does not answer\n", stderr);
        return 1;
    }

    const ProgramFolder folder(root);
    MessageBoxPrompter prompter;
    Windows windows(folder, prompter);
    prompter.setParent(&windows.mapWindow());
    windows.editor().setCaptionLanguage(line.captionLanguage);
    windows.start();
    StartRequests::serve(instance, windows.mapWindow(), windows.editor());
    if (!mapPath.isEmpty()) StartRequests::openMap(windows.editor(), mapPath);
    return app.exec();
}
