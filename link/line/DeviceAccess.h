// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Serial devices on Linux belong to a group (usually dialout) whose members
// may open them; a user joins it with usermod, from the next login on. This
// tells a user who may not open a device which group grants it.
class DeviceAccess {
public:
    // Whether this user may read and write the device (false when it is
    // missing, too).
    static bool mayOpen(const QString& device);

    // What grants access: the device's group and the command that adds this
    // user to it, or that only its owner may open it (a device the group may
    // not open, or root's group). Empty when the device cannot be examined.
    static QString advice(const QString& device);
};
