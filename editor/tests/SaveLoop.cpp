// SPDX-License-Identifier: GPL-3.0-or-later
// Saves one kind of file in a loop until it is killed, alternating the two
// versions; prints "ready" once the first save is on disk. The
// save-under-faults test kills it with SIGKILL at a random moment.
//   obel_save_loop KIND PROGRAM_DIR

#include "SaveKinds.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString kind = QString::fromLocal8Bit(argv[1]);
    savekinds::Saver saver(QString::fromLocal8Bit(argv[2]));
    for (int i = 0;; ++i) {
        QString error;
        if (!saver.save(kind, i % 2, 20000, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        if (i == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
