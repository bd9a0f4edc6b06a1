// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceInput.h"

#include "SourceFile.h"

#include <QFile>
#include <QTextStream>

std::optional<QString> SourceInput::read(const QString& name, QTextStream& err) {
    QFile file;
    const bool opened = name == u"-" ? file.open(stdin, QIODevice::ReadOnly)
                                     : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        err << "obelc: cannot read " << name << ": " << file.errorString() << "\n";
        return std::nullopt;
    }
    QString error;
    auto source = SourceFile::read(file, name, &error);
    if (!source) err << "obelc: " << error << "\n";
    return source;
}

QString SourceInput::takeName(const QString& arg, QString& name) {
    if (arg.startsWith(u'-') && arg.size() > 1) return QStringLiteral("unknown option ") + arg;
    if (!name.isEmpty()) return QStringLiteral("one source only, not also ") + arg;
    name = arg;
    return {};
}

QString SourceInput::named(const QString& name, bool help) {
    return help || !name.isEmpty() ? QString()
                                   : QStringLiteral("no source given (a file, or - for stdin)");
}
