// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Files of this system come from two worlds: UTF-8 written here, and the
// Traditional Chinese code page (Big5) of the controller family's older
// tools. A text that is valid UTF-8 is read as such, anything else as Big5.
class TextCodec {
public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& text);
};
