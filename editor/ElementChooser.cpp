// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementChooser.h"

#include "GridEditor.h"
#include "ProductChoice.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

constexpr int NoMatch = 4;

QString stemOf(const QString& bitmap) {
    QString stem = bitmap.trimmed().toLower();
    if (stem.endsWith(QLatin1String(".bmp"))) stem.chop(4);
    return stem;
}

bool holdsInOrder(const QString& text, const QString& letters) {
    qsizetype at = 0;
    for (const QChar letter : letters) {
        at = text.indexOf(letter, at, Qt::CaseInsensitive);
        if (at < 0) return false;
        ++at;
    }
    return true;
}

} // namespace

ElementChooser::ElementChooser(const ElementCatalogue& catalogue, GridEditor& grid)
    : catalogue_(catalogue), grid_(grid) {
    groupEnabled_.fill(true);
    connect(&grid_, &GridEditor::slotSelected, this, &ElementChooser::noteChosen);
}

int ElementChooser::rank(int slot, const QString& typed) const {
    const QString stem = stemOf(catalogue_.slotBitmap(slot));
    const QString& name = catalogue_.name(slot);
    if (stem == typed) return 0;
    const QStringList words =
        name.split(QRegularExpression(QStringLiteral("[\\s_,()]+")), Qt::SkipEmptyParts);
    if (stem.startsWith(typed) || std::any_of(words.begin(), words.end(), [&](const QString& w) {
            return w.startsWith(typed, Qt::CaseInsensitive);
        }))
        return 1;
    if (stem.contains(typed) || name.contains(typed, Qt::CaseInsensitive) ||
        catalogue_.templateOf(slot).contains(typed, Qt::CaseInsensitive))
        return 2;
    // Two letters in order are in nearly every name.
    if (typed.size() >= 3 && holdsInOrder(name, typed)) return 3;
    return NoMatch;
}

QList<int> ElementChooser::matches(const QString& typed) const {
    const QString wanted = typed.trimmed().toLower();
    std::array<QList<int>, NoMatch> byRank;
    QSet<QString> listed;
    for (int slot = 0; slot < ElementCatalogue::Slots; ++slot) {
        const QString stem = stemOf(catalogue_.slotBitmap(slot));
        if (!groupEnabled_[slot / ElementCatalogue::SlotsPerGroup] || stem.isEmpty() ||
            stem == u"space")
            continue;
        const QString element = stem + u'\n' + catalogue_.templateOf(slot);
        if (listed.contains(element)) continue;
        listed.insert(element);
        if (const int r = wanted.isEmpty() ? 0 : rank(slot, wanted); r < NoMatch) byRank[r] << slot;
    }
    QList<int> all;
    for (const QList<int>& ranked : byRank)
        all += ranked;
    return all;
}

void ElementChooser::choose(int slot) {
    grid_.selectSlot(slot);
}

bool ElementChooser::chooseRecent(int n) {
    if (n < 1 || n > recent_.size()) return false;
    choose(recent_[n - 1]);
    return true;
}

void ElementChooser::noteChosen(int slot) {
    recent_.removeAll(slot);
    recent_.prepend(slot);
    if (recent_.size() > RecentCount) recent_.removeLast();
}

void ElementChooser::applyProduct(const Product& product) {
    for (int g = 0; g < ElementCatalogue::Groups; ++g)
        if (const auto enabled = product.groupsEnabled[g]) groupEnabled_[g] = *enabled;
}
