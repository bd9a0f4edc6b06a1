// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceAccess.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString groupName(gid_t gid) {
    if (const group* g = getgrgid(gid)) return QString::fromLocal8Bit(g->gr_name);
    return QString::number(gid);
}

QString userName(uid_t uid) {
    if (const passwd* user = getpwuid(uid)) return QString::fromLocal8Bit(user->pw_name);
    return QString::number(uid);
}
} // namespace

bool DeviceAccess::mayOpen(const QString& device) {
    return access(device.toLocal8Bit().constData(), R_OK | W_OK) == 0;
}

QString DeviceAccess::advice(const QString& device) {
    struct stat info {};
    if (stat(device.toLocal8Bit().constData(), &info) != 0) return {};
    constexpr mode_t groupReadWrite = S_IRGRP | S_IWGRP;
    // Joining the group would not help, and nobody joins root's.
    if ((info.st_mode & groupReadWrite) != groupReadWrite || info.st_gid == 0)
        return QStringLiteral("permission denied: only %1, the owner of %2, may open it")
            .arg(userName(info.st_uid), device);
    const QString group = groupName(info.st_gid);
    return QStringLiteral("permission denied: %1 belongs to the group %2; add yourself to it "
                          "with \"sudo usermod -aG %2 %3\" and log in again")
        .arg(device, group, userName(geteuid()));
}
