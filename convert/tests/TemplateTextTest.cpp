// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateText.h"

#include "Blanks.h"
#include "QStringPrinter.h"
#include "RandomText.h"

#include <gtest/gtest.h>

namespace {

// Each fast helper against the plain expression it stands for, over random
// texts short and long.
constexpr int Cases = 3000;

QString plainFlatten(const QString& text) {
    return Blanks::trimmed(QString(text).remove(TemplateText::CrLf));
}

TEST(TemplateText, FindIsIndexOf) {
    RandomText random(1);
    for (int i = 0; i < Cases; ++i) {
        const QString text = random.text(), needle = random.needle(text);
        const int from = random.below(static_cast<int>(text.size()) + 1);
        ASSERT_EQ(TemplateText::find(text, needle, from), QStringView(text).indexOf(needle, from))
            << text.toStdString() << " / " << needle.toStdString() << " from " << from;
    }
}

TEST(TemplateText, EndsConversionIsHavingStarEnd) {
    RandomText random(4);
    QStringList texts{"*END", "\r\n*end", "*EN", "**END", "*End", "X,*ENDE"};
    for (int i = 0; i < Cases; ++i)
        texts << random.text();
    for (const QString& text : texts)
        ASSERT_EQ(TemplateText::endsConversion(text),
                  text.contains(u"*END") || text.contains(u"*end"))
            << text.toStdString();
}

TEST(TemplateText, FlatteningIsRemovingLineEndsAndTrimming) {
    RandomText random(2);
    for (int i = 0; i < Cases; ++i) {
        const QString text = i % 2 ? random.text() : random.blanksAndOr();
        const QString plain = plainFlatten(text);
        ASSERT_EQ(TemplateText::flatten(text), plain);
        QString inPlace = text;
        TemplateText::flattenInPlace(inPlace);
        ASSERT_EQ(inPlace, plain);
        ASSERT_EQ(TemplateText::isOr(text), plain == u"OR") << text.toStdString();
    }
}

TEST(TemplateText, PuttingInPlaceIsReplacingWithALineBreak) {
    RandomText random(3);
    for (int i = 0; i < Cases; ++i) {
        const QString text = random.text(), marker = random.needle(text);
        const QString value = random.shortText();
        QString put = text;
        TemplateText::putInPlace(put, marker, value);
        ASSERT_EQ(put,
                  QString(text).replace(marker, value + TemplateText::CrLf + TemplateText::Indent))
            << "marker " << marker.toStdString() << ", value " << value.toStdString();
    }
}

} // namespace
