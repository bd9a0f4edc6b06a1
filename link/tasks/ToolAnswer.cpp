// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolAnswer.h"

#include "Link.h"

ToolAnswer::ToolAnswer(Link& link, QObject* parent) : QObject(parent), link_(link) {
    wait_.setSingleShot(true);
    connect(&wait_, &QTimer::timeout, this, &ToolAnswer::render);
    // While the download window's switch is on, arrivals go to its dump and
    // not on to the tracer; either way they are the tool's answer.
    connect(&link_, &Link::tracerReceived, this, &ToolAnswer::arrived);
    connect(&link_, &Link::dumpChanged, this, [this] { arrived(link_.received()); });
}

QString ToolAnswer::bytesText(const QByteArray& bytes) {
    QString text = QString::fromLatin1(
        bytes.first(qMin(bytes.size(), qsizetype(ShownBytes))).toHex(' ').toUpper());
    if (bytes.size() > ShownBytes) text += QStringLiteral(" \u2026 (%1 bytes)").arg(bytes.size());
    return text;
}

void ToolAnswer::sent(const QByteArray& bytes) {
    sent_ = bytes;
    answer_.clear();
    wait_.start(link_.delayMs());
    render();
}

void ToolAnswer::tell(const QString& text) {
    wait_.stop();
    text_ = text;
    emit changed();
}

void ToolAnswer::arrived(const QByteArray& bytes) {
    if (!waiting()) return;
    answer_ += bytes;
    render();
}

void ToolAnswer::render() {
    text_ = QStringLiteral("sent ") + bytesText(sent_) + QStringLiteral("; ");
    if (!answer_.isEmpty())
        text_ += QStringLiteral("answer ") + bytesText(answer_);
    else if (waiting())
        text_ += QStringLiteral("waiting for an answer");
    else
        text_ += QStringLiteral("no answer within %1 s").arg(link_.delayMs() / 1000.0, 0, 'f', 1);
    emit changed();
}
