// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

class QDateTime;

// The tracer's good answers in a CSV file for a spreadsheet, written as
// they come.
//
// One row per good answer, one column per cell: the time, the answer's first
// register, then cells 0-223, of which only the 16 this answer brought are
// filled. A named signal is then one column, headed by its map.tab name,
// that a spreadsheet charts or filters as it is; a layout of 16 columns per
// block would put a different cell under each column from row to row. The
// time is "yyyy-MM-dd hh:mm:ss.zzz" local time, which spreadsheets take as a
// date and time (the ISO "T" between them they keep as text). Values are
// written in decimal: a hex byte such as 12 or 1E would be read as the
// number twelve or in exponent notation. Lines end in CR LF and fields are
// quoted where a name needs it. Every row is flushed, so a crash loses at
// most the row being written; a row that does not reach the file (a full
// disk) ends the recording with the reason.
class TraceRecording {
public:
    // Creates path and writes the header row; false, with why, when the file
    // cannot be written.
    bool start(const QString& path, const QStringList& cellNames, QString* error);
    void stop();
    bool active() const { return file_.isOpen(); }

    // One good answer: the bytes of registers from firstRegister on, which
    // show in cells from firstCell on. Bytes past the last cell are left
    // out, and an answer with none in the cells makes no row. False when
    // the row could not be written: the recording has stopped, error() says why.
    bool add(const QDateTime& time, int firstRegister, int firstCell, const QByteArray& data);
    const QString& error() const { return error_; }

    static QString field(const QString& text);

private:
    bool writeRow(const QStringList& fields);

    QFile file_;
    QString error_;
    int cells_ = 0;
};
