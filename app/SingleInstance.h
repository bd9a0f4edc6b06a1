#pragma once

#include <QLockFile>
#include <QString>

// Only one Obel runs per user: the first start holds a lock file in the
// user's runtime folder, a second start finds it held and ends.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);
    bool isFirst() const { return first_; }
    static QString defaultLockPath();

private:
    QLockFile lock_;
    bool first_;
};
