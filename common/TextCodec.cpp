// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString TextCodec::decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;

    QStringDecoder big5("Big5");
    if (!big5.isValid()) return text;
    return big5.decode(bytes);
}

QByteArray TextCodec::encode(const QString& text) {
    QStringEncoder utf8(QStringConverter::Utf8);
    return utf8.encode(text);
}
