// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CrossReference.h"

class QPagedPaintDevice;
class QPainter;

// The cross-reference printed after the pages of a map: a heading, then the
// lines of CrossReference, on as many pages as they take.
class CrossReferencePrint {
public:
    // Starts on a new page of the device the painter paints on.
    static void paint(QPainter& painter, QPagedPaintDevice& device, const QString& heading,
                      const QList<CrossReference::Group>& groups);
};
