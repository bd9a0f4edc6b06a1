#pragma once

#include "LadderMap.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// Undo and redo of the map: every edit is a command holding the cells it
// changed, each with its contents before and after, so that it can be taken
// back and done again as often as wanted. An edit is recorded by wrapping
// the operation that makes it in an Edit; edits made inside another count
// as part of it. The history also knows whether the map still equals what
// was last saved or loaded.
class MapHistory : public QObject {
    Q_OBJECT
public:
    explicit MapHistory(LadderMap& map, QObject* parent = nullptr);

    // Records what the map looks like on construction and, on destruction,
    // keeps what changed as one command named what (nothing when nothing did).
    class Edit {
    public:
        Edit(MapHistory& history, QString what);
        ~Edit();
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;

    private:
        MapHistory& history_;
        QString what_;
    };

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    QString undoText() const { return canUndo() ? done_.back().what : QString(); }
    QString redoText() const { return canRedo() ? undone_.back().what : QString(); }
    void undo();
    void redo();

    // The map now equals its file.
    void markClean();
    bool modified() const { return cleanAt_ != int(done_.size()); }

signals:
    // The commands or the modified state changed.
    void changed();
    // An undo or redo rewrote cells; page is the first page it touched.
    void applied(int page);

private:
    struct CellChange {
        int page;
        int cell;
        CellRecord before;
        CellRecord after;
    };
    struct Command {
        QString what;
        std::vector<CellChange> cells;
    };

    void begin();
    void end(const QString& what);
    void apply(const Command& command, bool forward);

    LadderMap& map_;
    std::optional<LadderMap> before_;
    int depth_ = 0;
    std::vector<Command> done_;
    std::vector<Command> undone_;
    // done_'s size when the map was last saved or loaded; -1 when no
    // sequence of undos and redos can lead back there.
    int cleanAt_ = 0;
};
