// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class LadderMap;

// Every labelled cell of the map (a label that is not blank once trimmed),
// page by page and row by row, with its page and row counted from 1.
class LabelListing {
public:
    struct Use {
        int page;
        int row;
        QString label;
    };
    static QList<Use> uses(const LadderMap& map);
    // One line a use: " page, row == label" and CR LF.
    static QString text(const LadderMap& map);
};
