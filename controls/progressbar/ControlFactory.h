// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "FenrowExport.h"

#include <QString>

class PropertyBag;
class QWidget;

// How containers create and keep the controls of this library: by class
// name ("ProgressBarControl.PB", "ProgressBarControl.Panel"), and with their
// properties and extent in a property bag.
class FENROW_EXPORT ControlFactory {
public:
    // A new control, or nullptr for a class this library does not have.
    static QWidget* create(const QString& className, QWidget* parent = nullptr);
    // The extent ("_extentx", "_extenty", in hundredths of a millimetre at
    // 96 dots per inch) and every property that differs from its default.
    static void save(const QWidget* control, PropertyBag& bag);
    static void load(QWidget* control, const PropertyBag& bag);
};
