// SPDX-License-Identifier: GPL-3.0-or-later
// The shared readers every file goes through: text decoding, the line and
// item readers, trimming and the reading of numbers.

#include "Blanks.h"
#include "ItemReader.h"
#include "LineReader.h"
#include "NumericText.h"
#include "TextCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        TextCodec::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QStringList lines = LineReader::lines(text);
    qsizetype characters = 0;
    for (const QString& line : lines) {
        characters += line.size();
        (void)NumericText::floorInt(NumericText::value(line));
        (void)Blanks::trimmed(line);
    }
    if (characters > text.size()) std::abort();
    for (const QString& item : ItemReader::items(text))
        (void)NumericText::value(item);
    return 0;
}
