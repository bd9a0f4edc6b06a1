// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShippedFolder.h"

#include "ProgramFolder.h"

ShippedFolder::ShippedFolder() {
    // The first start's copy: an empty data folder filled from the shipped one.
    const QString shipped = qEnvironmentVariable("OBEL_TEST_PROGRAM_DIR");
    ProgramFolder::locate(QString(), dir_.path(), {shipped}, nullptr);
}
