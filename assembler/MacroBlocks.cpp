// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroBlocks.h"

#include "CodeImage.h"
#include "IntelHex.h"
#include "LineReader.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QFileInfo>

QString MacroBlocks::load(const QString& source, const QString& subFolder, CodeImage& image) {
    failedLine_ = 0;
    failure_.clear();
    for (qsizetype at = source.indexOf(u"MACRO_"); at >= 0;
         at = source.indexOf(u"MACRO_", at + 1)) {
        // The name follows "MACRO_", the letter and the "," and runs to the line end.
        const qsizetype from = at + 8;
        qsizetype end = from;
        while (end < source.size() && source[end] != u'\r' && source[end] != u'\n')
            ++end;
        const QString name =
            from < source.size() ? source.mid(from, end - from).trimmed() : QString();
        // Whole entries are compared, so a loaded "30" does not hide "3".
        const QString entry = u'<' + name + QStringLiteral("\r\n");
        if (loaded_.startsWith(entry) || loaded_.contains(u'\n' + entry)) continue;
        loaded_ += entry;
        if (QString report = loadOne(name, subFolder, image); !report.isEmpty()) {
            failedLine_ = int(QStringView(source).left(at).count(u'\n')) + 1;
            return report;
        }
    }
    return {};
}

QString MacroBlocks::loadOne(const QString& name, const QString& subFolder, CodeImage& image) {
    const QString folder = subFolder.trimmed().isEmpty()
                               ? QStringLiteral("MACRO")
                               : QStringLiteral("MACRO\\") + subFolder.trimmed();
    const QString relative = folder + u'\\' + name + QStringLiteral(".HEX");
    const QString where = QString(relative).replace(u'\\', u'/');
    if (const QString unread = readFile(relative); !unread.isEmpty()) {
        failure_ = QStringLiteral("macro file %1 %2").arg(where, unread);
        return QString::fromUtf16(ErrorText) + QStringLiteral("\r\n") + where + u' ' + unread;
    }

    const IntelHex::Result hex = IntelHex::read(fileText_);
    if (hex.error.isEmpty() && hex.records.isEmpty()) {
        failure_ = QStringLiteral("macro file %1 holds no code").arg(where);
        return QString::fromUtf16(ErrorText) + QStringLiteral("\r\n") + where +
               QStringLiteral(": no code in it");
    }
    QString error = hex.error;
    int errorLine = hex.errorLine;
    for (const IntelHex::Record& record : hex.records)
        if (record.address < LinkOffset) {
            error = QStringLiteral("address %1 lies below the macro area")
                        .arg(CodeImage::hex4(record.address));
            errorLine = record.line;
            break;
        }
    if (!error.isEmpty()) {
        failure_ = QStringLiteral("macro file %1 is damaged: line %2: %3")
                       .arg(where)
                       .arg(errorLine)
                       .arg(error);
        return QStringLiteral("%1\r\n%2 line %3: %4")
            .arg(QString::fromUtf16(ErrorText), where)
            .arg(errorLine)
            .arg(error);
    }
    for (const IntelHex::Record& record : hex.records) {
        const int address = record.address - LinkOffset;
        // An odd last byte is completed with FF, as the assembler does its own.
        for (qsizetype j = 0; j < record.data.size(); j += 2)
            image.appendRecord(address + int(j), quint8(record.data[j]),
                               j + 1 < record.data.size() ? quint8(record.data[j + 1]) : 0xFF);
    }
    return {};
}

// Reads the macro file into fileText_; says why when it yields nothing.
QString MacroBlocks::readFile(const QString& relative) {
    fileText_.clear();
    const QString path = folder_.path(relative);
    if (!QFileInfo::exists(path)) return QStringLiteral("is missing");
    const auto text = TextFile::read(path);
    if (!text) return QStringLiteral("cannot be read");
    for (const QString& line : LineReader::lines(*text))
        fileText_ += line + QStringLiteral("\r\n");
    return fileText_.isEmpty() ? QStringLiteral("is empty") : QString();
}
