// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the targets share: the input cut into pieces at 0xFF bytes (a byte no
// text of the program folder holds, in UTF-8 or Big5), a scratch program
// folder to write them into, and an application object for the cores that
// use Qt's objects.

#include "ProgramFolder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Exactly `count` pieces; the last takes the rest, 0xFF bytes and all.
inline QList<QByteArray> pieces(const uint8_t* data, size_t size, int count) {
    const QByteArray all(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> out;
    qsizetype start = 0;
    for (int i = 0; i < count - 1; ++i) {
        const qsizetype end = all.indexOf('\xFF', start);
        out << (end < 0 ? all.mid(start) : all.mid(start, end - start));
        start = end < 0 ? all.size() : end + 1;
    }
    out << all.mid(start);
    return out;
}

inline QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// One program folder for the whole run; each input rewrites what it needs.
class Scratch {
public:
    static Scratch& get() {
        static Scratch scratch;
        return scratch;
    }
    const ProgramFolder& folder() const { return folder_; }
    // Writes relative (forward slashes), or removes it when `bytes` is null.
    void write(const QString& relative, const QByteArray& bytes) {
        const QString path = dir_.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        if (bytes.isNull()) {
            QFile::remove(path);
            return;
        }
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }

private:
    Scratch() : folder_(dir_.path()) {}
    QTemporaryDir dir_;
    ProgramFolder folder_;
};

} // namespace fuzz
