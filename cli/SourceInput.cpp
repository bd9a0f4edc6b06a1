#include "SourceInput.h"

#include "SourceFile.h"
#include "TextCodec.h"

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
    return SourceFile::lines(TextCodec::decode(file.readAll()));
}
