#pragma once

#include <QString>
#include <QStringList>

// An obelc command's arguments, read one at a time the way every command
// takes them. The first problem told is the usage error: once there is one,
// no argument is left to read.
class ArgReader {
public:
    explicit ArgReader(QStringList args) : args_(std::move(args)) {}

    bool more() const { return error_.isEmpty() && at_ < args_.size(); }
    // The next argument.
    const QString& next() { return args_[at_++]; }
    // The value after the option just read; "" and the problem ("--name
    // needs a value") when none follows.
    QString value();
    // A value of milliseconds, at least minimum, after the option just read.
    void milliseconds(int& ms, int minimum = 1);

    static bool isHelp(const QString& arg) { return arg == u"-h" || arg == u"--help"; }
    static bool isOption(const QString& arg) { return arg.startsWith(u'-') && arg.size() > 1; }

    // Tells a problem; the first one stays, and an empty one is none.
    void fail(const QString& problem) {
        if (error_.isEmpty()) error_ = problem;
    }
    const QString& error() const { return error_; }

private:
    QStringList args_;
    qsizetype at_ = 0;
    QString error_;
};
