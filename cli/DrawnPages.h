// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArgReader.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "ElementCatalogue.h"
#include "Finding.h"
#include "LadderMap.h"
#include "ProgramFolder.h"

class PageView;
class Pictures;
class QTextStream;

// The pages of a map that obelc draws, as the print window shows them: the
// options that choose them and the page view they are drawn from.
class DrawnPages {
public:
    struct Options {
        QString programDir;
        int page = 1;
        bool pageGiven = false;
        bool all = false;
        bool coordinates = false;
        bool marks = false; // the program check's marks on the cells with findings
    };

    // Takes -C, --page, --all, --coordinates or --marks and its value; false
    // when arg is none of them. A missing or bad value is told to the reader.
    static bool takeOption(ArgReader& reader, const QString& arg, Options& options);
    // What is wrong with the options together, or "".
    static QString conflict(const Options& options);

    DrawnPages();
    ~DrawnPages();

    // Reads the program folder's catalogue and the map and readies the view;
    // false after telling err why not. --all takes every page in use and
    // further ones that hold cells.
    bool load(const Options& options, const QString& mapFile, QTextStream& err);

    int firstPage() const { return first_; }
    int lastPage() const { return last_; }
    const LadderMap& map() const { return map_; }
    PageView& view() { return *view_; }

private:
    std::optional<ProgramFolder> folder_;
    ElementCatalogue catalogue_;
    LadderMap map_;
    std::unique_ptr<Pictures> pictures_;
    std::unique_ptr<PageView> view_;
    QList<Finding> findings_;
    int first_ = 0;
    int last_ = 0;
};
