// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the element bitmaps of the standard element set into a program
// folder: BMP/ in the classic style, BMP_T/ in the tinted one.
//   obel_make_bitmaps PROGRAM_DIR

#include "ElementPainter.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: obel_make_bitmaps PROGRAM_DIR\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const struct {
        const char* folder;
        ElementPainter::Style style;
    } sets[] = {{"BMP", ElementPainter::Style::Classic}, {"BMP_T", ElementPainter::Style::Tinted}};
    for (const auto& set : sets) {
        const QString dir = root + u'/' + QLatin1String(set.folder);
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
            return 1;
        }
        const ElementPainter painter(set.style);
        for (const QString& name : ElementPainter::names()) {
            if (!painter.paint(name).save(dir + u'/' + name, "BMP")) {
                std::fprintf(stderr, "cannot write %s/%s\n", qPrintable(dir), qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
