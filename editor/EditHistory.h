// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LadderMap.h"

#include <QList>
#include <QObject>
#include <QString>

#include <map>
#include <optional>
#include <vector>

// Undo and redo of the map and of the designer's definition files, in one
// order: every edit is a command holding the cells it changed, or the files
// under def\ it rewrote, each with its contents before and after, so that it
// can be taken back and done again as often as wanted. An edit is recorded
// by wrapping the operation that makes it in an Edit (the map) or a FileEdit
// (the definition files); edits made inside another count as part of it.
// The history also knows whether the map still equals what was last saved
// or loaded.
class EditHistory : public QObject {
    Q_OBJECT
public:
    // definitionFolder: the def\ folder whose files a FileEdit watches.
    EditHistory(LadderMap& map, QString definitionFolder, QObject* parent = nullptr);

    // Records what the map looks like on construction and, on destruction,
    // keeps what changed as one command named what (nothing when nothing did).
    class Edit {
    public:
        Edit(EditHistory& history, QString what);
        ~Edit();
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;

    private:
        EditHistory& history_;
        QString what_;
    };

    // Records the definition files as they are on construction and, on
    // destruction, keeps those that changed as one command named what.
    class FileEdit {
    public:
        FileEdit(EditHistory& history, QString what);
        ~FileEdit();
        FileEdit(const FileEdit&) = delete;
        FileEdit& operator=(const FileEdit&) = delete;

    private:
        EditHistory& history_;
        QString what_;
        std::map<QString, QByteArray> before_;
    };

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    QString undoText() const { return canUndo() ? done_.back().what : QString(); }
    QString redoText() const { return canRedo() ? undone_.back().what : QString(); }
    void undo();
    void redo();

    // The map now equals its file.
    void markClean();
    bool modified() const { return mapState() != cleanState_; }

signals:
    // The commands or the modified state changed.
    void changed();
    // An undo or redo rewrote cells; page is the first page it touched.
    void applied(int page);
    // An undo or redo rewrote definition files: they are to be read again.
    void filesRestored();
    // A definition file could not be put back; why, for the user.
    void problem(const QString& text);

private:
    struct CellChange {
        int page;
        int cell;
        CellRecord before;
        CellRecord after;
    };
    // A file that did not exist has no bytes: undoing its creation removes it.
    struct FileChange {
        QString path;
        std::optional<QByteArray> before;
        std::optional<QByteArray> after;
    };
    struct Command {
        QString what;
        std::vector<CellChange> cells;
        std::vector<FileChange> files;
        int serial = 0; // given as it is first done, never reused
    };

    void begin();
    void end(const QString& what);
    void apply(const Command& command, bool forward);
    void push(Command command);
    // The serial of the last map edit done, 0 for none: the map's state.
    int mapState() const;
    std::map<QString, QByteArray> definitionFiles() const;

    LadderMap& map_;
    QString definitionFolder_;
    std::optional<LadderMap> before_;
    int depth_ = 0;
    std::vector<Command> done_;
    std::vector<Command> undone_;
    int serials_ = 0;
    // The map's state when it was last saved or loaded.
    int cleanState_ = 0;
};
