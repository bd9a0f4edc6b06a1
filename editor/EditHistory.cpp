// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditHistory.h"

#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <set>
#include <utility>

namespace {
bool same(const CellRecord& a, const CellRecord& b) {
    return a.A == b.A && a.B == b.B && a.C == b.C && a.D == b.D;
}
} // namespace

EditHistory::EditHistory(LadderMap& map, QString definitionFolder, QObject* parent)
    : QObject(parent), map_(map), definitionFolder_(std::move(definitionFolder)) {}

// The definition files are a few hundred small files; a designer's edit is
// rare enough to read them all before and after it.
std::map<QString, QByteArray> EditHistory::definitionFiles() const {
    std::map<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(definitionFolder_).entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly)) files[info.filePath()] = file.readAll();
    }
    return files;
}

EditHistory::FileEdit::FileEdit(EditHistory& history, QString what)
    : history_(history), what_(std::move(what)), before_(history.definitionFiles()) {}

EditHistory::FileEdit::~FileEdit() {
    const std::map<QString, QByteArray> after = history_.definitionFiles();
    Command command{what_, {}, {}};
    const auto bytes = [](const std::map<QString, QByteArray>& files, const QString& path) {
        const auto found = files.find(path);
        return found == files.end() ? std::optional<QByteArray>() : found->second;
    };
    std::set<QString> paths;
    for (const auto& [path, content] : before_)
        paths.insert(path);
    for (const auto& [path, content] : after)
        paths.insert(path);
    for (const QString& path : paths)
        if (bytes(before_, path) != bytes(after, path))
            command.files.push_back({path, bytes(before_, path), bytes(after, path)});
    if (!command.files.empty()) history_.push(std::move(command));
}

EditHistory::Edit::Edit(EditHistory& history, QString what)
    : history_(history), what_(std::move(what)) {
    history_.begin();
}

EditHistory::Edit::~Edit() {
    history_.end(what_);
}

void EditHistory::begin() {
    // The map's strings are shared, not copied: this costs a reference each.
    if (depth_++ == 0) before_ = map_;
}

void EditHistory::end(const QString& what) {
    if (--depth_ > 0 || !before_) return;
    Command command{what, {}, {}};
    for (int page = 0; page < LadderMap::Pages; ++page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell) {
            const CellRecord& before = before_->cell(page, cell);
            const CellRecord& after = map_.cell(page, cell);
            if (!same(before, after)) command.cells.push_back({page, cell, before, after});
        }
    before_.reset();
    if (!command.cells.empty()) push(std::move(command));
}

void EditHistory::push(Command command) {
    command.serial = ++serials_;
    done_.push_back(std::move(command));
    undone_.clear();
    emit changed();
}

void EditHistory::apply(const Command& command, bool forward) {
    for (const CellChange& change : command.cells)
        map_.cell(change.page, change.cell) = forward ? change.after : change.before;
    if (!command.cells.empty()) emit applied(command.cells.front().page);
    if (command.files.empty()) return;
    for (const FileChange& change : command.files) {
        const std::optional<QByteArray>& bytes = forward ? change.after : change.before;
        if (!bytes) {
            QFile::remove(change.path);
            continue;
        }
        if (QString error; !TextFile::writeBytes(change.path, *bytes, &error))
            emit problem(
                QStringLiteral("could not put back %1").arg(QDir::toNativeSeparators(error)));
    }
    emit filesRestored();
}

void EditHistory::undo() {
    if (!canUndo() || depth_ > 0) return;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    apply(undone_.back(), false);
    emit changed();
}

void EditHistory::redo() {
    if (!canRedo() || depth_ > 0) return;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    apply(done_.back(), true);
    emit changed();
}

int EditHistory::mapState() const {
    for (auto command = done_.rbegin(); command != done_.rend(); ++command)
        if (!command->cells.empty()) return command->serial;
    return 0;
}

void EditHistory::markClean() {
    cleanState_ = mapState();
    emit changed();
}
