// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class Link;

// The line a service tool shows beside its panel: the bytes it sent and what
// the line brought back within one DELAY after them, or that nothing came.
// The tools wait for no answer, but an echo, an exception reply or silence
// is what tells the user whether the controller heard. A new command's line
// replaces the last one whole.
class ToolAnswer : public QObject {
    Q_OBJECT
public:
    // Bytes beyond this many are counted, not shown.
    static constexpr int ShownBytes = 24;

    explicit ToolAnswer(Link& link, QObject* parent = nullptr);

    // The tool's bytes are out; what arrives from now on is their answer.
    void sent(const QByteArray& bytes);
    // A command that awaits nothing more, or sent nothing: its line as it is.
    void tell(const QString& text);

    const QString& text() const { return text_; }
    bool waiting() const { return wait_.isActive(); }

    // "A8 12 3F", at most ShownBytes of them.
    static QString bytesText(const QByteArray& bytes);

signals:
    void changed();

private:
    void arrived(const QByteArray& bytes);
    void render();

    Link& link_;
    QTimer wait_;
    QByteArray sent_;
    QByteArray answer_;
    QString text_;
};
