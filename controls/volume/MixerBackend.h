// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "SondraExport.h"

#include <QString>

// A mixer's volume control as the control keeps it: which element it is and
// the range of values it takes.
struct MixerControl {
    QString element; // empty: no control found
    qint64 minimum = 0;
    qint64 maximum = 0;
    bool capture = false; // a recording (microphone) control
};

// The audio mixer behind the volume control, small enough to fake.
class SONDRA_EXPORT MixerBackend {
public:
    enum class Line { Speakers, Microphone };

    virtual ~MixerBackend() = default;
    // Opens (or opens again) the default mixer; false when there is none.
    virtual bool open() = 0;
    // The volume control of a line, if the mixer has one.
    virtual bool findVolume(Line line, MixerControl& control) = 0;
    // Writes one value, unscaled and unclamped, to every channel.
    virtual bool setVolume(const MixerControl& control, quint32 value) = 0;
};
