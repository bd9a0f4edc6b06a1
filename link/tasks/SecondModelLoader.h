#pragma once

#include <QByteArray>
#include <QString>

class Link;

// The second controller model's loader commands, sent raw through the link:
// "DW" puts it into its loader mode with ten single 0xAA bytes and then
// starts the loader with A6 and a parameter; "RESERT" resets it with ten
// single 0xA7 bytes. No answer is awaited; what comes back goes to the
// download window's dump while its switch is on.
class SecondModelLoader {
public:
    static constexpr int Burst = 10;
    static constexpr const char* DefaultParameter = "8";

    explicit SecondModelLoader(Link& link) : link_(link) {}

    // The burst, then A6 and the parameter (hexadecimal, 0-FF), and the dump
    // switch on. The bytes sent, or nothing and refusal set when the
    // parameter is no byte or a transfer holds the line.
    QByteArray loaderStart(const QString& parameter, QString* refusal);
    // The bytes sent, or nothing and refusal set when a transfer holds the line.
    QByteArray reset(QString* refusal);

private:
    QByteArray burst(char byte);
    bool refusedWhileHeld(QString* refusal) const;

    Link& link_;
};
