#include "MapHistory.h"

#include <utility>

namespace {
bool same(const CellRecord& a, const CellRecord& b) {
    return a.A == b.A && a.B == b.B && a.C == b.C && a.D == b.D;
}
} // namespace

MapHistory::MapHistory(LadderMap& map, QObject* parent) : QObject(parent), map_(map) {}

MapHistory::Edit::Edit(MapHistory& history, QString what)
    : history_(history), what_(std::move(what)) {
    history_.begin();
}

MapHistory::Edit::~Edit() {
    history_.end(what_);
}

void MapHistory::begin() {
    // The map's strings are shared, not copied: this costs a reference each.
    if (depth_++ == 0) before_ = map_;
}

void MapHistory::end(const QString& what) {
    if (--depth_ > 0 || !before_) return;
    Command command{what, {}};
    for (int page = 0; page < LadderMap::Pages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
            const CellRecord& before = before_->cell(page, cell);
            const CellRecord& after = map_.cell(page, cell);
            if (!same(before, after)) command.cells.push_back({page, cell, before, after});
        }
    before_.reset();
    if (command.cells.empty()) return;
    if (cleanAt_ > int(done_.size())) cleanAt_ = -1; // the saved state was undone and is gone
    done_.push_back(std::move(command));
    undone_.clear();
    emit changed();
}

void MapHistory::apply(const Command& command, bool forward) {
    for (const CellChange& change : command.cells)
        map_.cell(change.page, change.cell) = forward ? change.after : change.before;
    emit applied(command.cells.front().page);
}

void MapHistory::undo() {
    if (!canUndo() || depth_ > 0) return;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    apply(undone_.back(), false);
    emit changed();
}

void MapHistory::redo() {
    if (!canRedo() || depth_ > 0) return;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    apply(done_.back(), true);
    emit changed();
}

void MapHistory::markClean() {
    cleanAt_ = int(done_.size());
    emit changed();
}
