// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawnPages.h"

#include "MapCheck.h"
#include "MapFile.h"
#include "MapInput.h"
#include "PageView.h"
#include "Pictures.h"
#include "ProgramFolderOption.h"

#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {

// The pages up to the last one that holds anything, at least the pages in use.
int pagesHoldingCells(const LadderMap& map) {
    for (int page = LadderMap::Pages - 1; page >= map.pagesInUse(); --page)
        for (int cell = 0; cell < LadderMap::CellsPerPage; ++cell)
            if (!MapFile::isBlank(page, cell, map)) return page + 1;
    return map.pagesInUse();
}

} // namespace

DrawnPages::DrawnPages() = default;
DrawnPages::~DrawnPages() = default;

bool DrawnPages::takeOption(ArgReader& reader, const QString& arg, Options& options) {
    if (arg == u"--all") return options.all = true;
    if (arg == u"--coordinates") return options.coordinates = true;
    if (arg == u"--marks") return options.marks = true;
    if (arg != u"-C" && arg != u"--page") return false;
    const QString value = reader.value();
    if (arg == u"-C") {
        options.programDir = value;
        return true;
    }
    bool ok = false;
    options.page = value.toInt(&ok);
    options.pageGiven = true;
    if (!ok || options.page < 1 || options.page > LadderMap::Pages)
        reader.fail(QStringLiteral("--page takes a number from 1 to 22, not ") + value);
    return true;
}

QString DrawnPages::conflict(const Options& options) {
    return options.pageGiven && options.all ? QStringLiteral("--page or --all, not both")
                                            : QString();
}

bool DrawnPages::load(const Options& options, const QString& mapFile, QTextStream& err) {
    const QString root = ProgramFolderOption::resolve(options.programDir, err);
    if (root.isEmpty()) return false;
    folder_.emplace(root);
    if (!MapInput::load(*folder_, mapFile, 0, catalogue_, map_, err)) return false;
    // Checked as obelc check checks it, before more pages are drawn.
    if (options.marks) findings_ = MapCheck::run(map_, catalogue_, *folder_);
    map_.setPagesInUse(
        std::max(options.all ? pagesHoldingCells(map_) : options.page, map_.pagesInUse()));

    pictures_ = std::make_unique<Pictures>(*folder_);
    view_ = std::make_unique<PageView>(map_, catalogue_, *pictures_);
    view_->initialise();
    view_->setProjectName(QFileInfo(mapFile).fileName());
    view_->setCoordinateLines(options.coordinates);
    if (options.marks) view_->setPrintedFindings(&findings_);
    first_ = options.all ? 0 : options.page - 1;
    last_ = options.all ? map_.pagesInUse() - 1 : first_;
    return true;
}
