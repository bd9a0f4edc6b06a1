// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// --slave, as every obelc command that addresses the controller or plays it
// reads it: a decimal Modbus address that is no command byte.
class SlaveOption {
public:
    // Empty and slave set, or why value is no slave address.
    static QString read(const QString& value, int& slave);
};
