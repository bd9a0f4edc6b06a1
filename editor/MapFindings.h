// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Finding.h"

#include <QList>
#include <QObject>

class ElementCatalogue;
class LadderMap;
class ProgramFolder;

// The program check as the map editor keeps it: the findings of the last
// check, the one chosen in the list, and a word on what was found. Once the
// map has been checked, its marks follow the edits.
class MapFindings : public QObject {
    Q_OBJECT
public:
    MapFindings(const LadderMap& map, const ElementCatalogue& catalogue,
                const ProgramFolder& folder);

    void run();
    // After an edit: checked again, if it was checked before.
    void mapEdited();
    bool checked() const { return checked_; }

    const QList<Finding>& findings() const { return findings_; }
    int errors() const { return errors_; }
    // "Check: 1 error, 2 warnings" or "Check: no findings".
    QString summary() const;

    // The finding chosen in the list (-1: none).
    int chosen() const { return chosen_; }
    void choose(int index);

signals:
    void changed();

private:
    const LadderMap& map_;
    const ElementCatalogue& catalogue_;
    const ProgramFolder& folder_;
    QList<Finding> findings_;
    int errors_ = 0;
    int chosen_ = -1;
    bool checked_ = false;
};
