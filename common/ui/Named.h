// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A new control with its object name, the name the system gives it
// ("Text4", "Command1(0)"), by which tests and tools find it.
template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}
