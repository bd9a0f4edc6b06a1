// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapFindings.h"

#include "MapCheck.h"

MapFindings::MapFindings(const LadderMap& map, const ElementCatalogue& catalogue,
                         const ProgramFolder& folder)
    : map_(map), catalogue_(catalogue), folder_(folder) {}

void MapFindings::run() {
    findings_ = MapCheck::run(map_, catalogue_, folder_);
    errors_ = MapCheck::errors(findings_);
    chosen_ = -1;
    checked_ = true;
    emit changed();
}

void MapFindings::mapEdited() {
    if (checked_) run();
}

QString MapFindings::summary() const {
    if (!checked_) return QStringLiteral("Check (F7): not run yet");
    if (findings_.isEmpty()) return QStringLiteral("Check: no findings");
    const int warnings = int(findings_.size()) - errors_;
    return QStringLiteral("Check: %1 error%2, %3 warning%4")
        .arg(errors_)
        .arg(errors_ == 1 ? "" : "s")
        .arg(warnings)
        .arg(warnings == 1 ? "" : "s");
}

void MapFindings::choose(int index) {
    chosen_ = index >= 0 && index < findings_.size() ? index : -1;
    emit changed();
}
