#pragma once

#include "LineSettings.h"

#include <QString>

#include <functional>
#include <memory>

class Transport;

// Opening the line a port choice names, for the assembler window and obelc
// alike: the transport its target makes, set to the line settings and
// opened, and what went wrong told in the same words for both.
class LineOpening {
public:
    using Make = std::function<std::unique_ptr<Transport>(const QString& target)>;

    // The name a user knows the line by: "COM1 (/dev/ttyUSB0)", or the
    // target alone when no COM number led to it (0).
    static QString name(int comPort, const QString& target);

    // The sentence for settings a line does not take; "" when none.
    static QString notTaken(const QString& name, const QStringList& refused);

    struct Opened {
        std::unique_ptr<Transport> transport; // none when the target names no line
        QString problem;                      // why no line is open, as a sentence; "" when open
        QString refused; // the settings the line does not take, as a sentence; "" when none
    };
    // `made` sees the transport before it opens, to connect to it.
    static Opened open(int comPort, const QString& target, const LineSettings& settings,
                       const Make& make, const std::function<void(Transport*)>& made = {});
};
