// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementDefinitions.h"

#include "DefinitionFiles.h"
#include "EditHistory.h"
#include "ElementCatalogue.h"
#include "LabelList.h"
#include "LineEnds.h"
#include "Pictures.h"
#include "Prompter.h"

#include <QStringList>

ElementDefinitions::ElementDefinitions(const DefinitionFiles& files, ElementCatalogue& catalogue,
                                       Pictures& pictures, LabelList& labels, Prompter& prompter)
    : files_(files), catalogue_(catalogue), pictures_(pictures), labels_(labels),
      prompter_(prompter) {}

void ElementDefinitions::designerBoxChanged(bool ticked, const QString& fileName) {
    designer_ = ticked && fileName == AccessText;
    labels_.setEditEnabled(designer_);
}

std::optional<ElementDefinitions::Draft> ElementDefinitions::open(int slot) {
    if (!designer_ || slot < 0 || slot >= ElementCatalogue::Slots) return std::nullopt;
    files_.loadTemplates(catalogue_);
    // Reading puts a line break before every line; the user sees the lines.
    QString text = catalogue_.templateOf(slot);
    if (text.startsWith(QStringLiteral("\r\n"))) text.remove(0, 2);
    return Draft{slot, text, catalogue_.slotBitmap(slot), catalogue_.name(slot)};
}

QString ElementDefinitions::markLineEnds(const QString& text) {
    if (text.contains(u'>') || text.trimmed().size() <= 1) return text;
    return QString(text).replace(u'\r', QStringLiteral(" >\r"));
}

bool ElementDefinitions::report(const QStringList& errors) {
    if (errors.isEmpty()) return true;
    prompter_.inform(QStringLiteral("VantMAP"),
                     QStringLiteral("Not saved:\n") + errors.join(u'\n'));
    return false;
}

QStringList ElementDefinitions::putSlot(int slot, const QString& templateText,
                                        const QString& bitmapName) {
    catalogue_.setTemplate(slot, templateText);
    catalogue_.setSlotBitmap(slot, bitmapName);
    pictures_.loadSlotPicture(slot, bitmapName);
    QStringList errors;
    QString error;
    if (!files_.writeTemplate(slot, templateText, &error)) errors << error;
    if (!files_.writePaletteBitmaps(catalogue_, &error)) errors << error;
    return errors;
}

bool ElementDefinitions::store(const Draft& draft) {
    const int k = draft.slot;
    if (k < 0 || k >= ElementCatalogue::Slots) return false;
    std::optional<EditHistory::FileEdit> edit;
    if (history_) edit.emplace(*history_, QStringLiteral("element definition"));
    const QString bitmap =
        draft.bitmapName.trimmed().isEmpty() ? QStringLiteral("space.bmp") : draft.bitmapName;
    QStringList errors = putSlot(k, markLineEnds(LineEnds::crLf(draft.templateText)), bitmap);
    files_.loadTemplates(catalogue_);
    catalogue_.setName(k, draft.name);
    QString error;
    if (!files_.writeNames(catalogue_, &error)) errors << error;
    emit catalogueChanged();
    return report(errors);
}

bool ElementDefinitions::paletteCopy(int slot, const QString& bitmapName,
                                     const QString& templateText) {
    if (slot < 0 || slot >= ElementCatalogue::Slots) return false;
    std::optional<EditHistory::FileEdit> edit;
    if (history_) edit.emplace(*history_, QStringLiteral("palette copy"));
    const QStringList errors = putSlot(slot, templateText, bitmapName);
    emit catalogueChanged();
    return report(errors);
}
