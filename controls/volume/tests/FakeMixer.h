// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "MixerBackend.h"

#include <QList>
#include <QMap>

// A mixer in memory: lines that exist, and every value written.
class FakeMixer : public MixerBackend {
public:
    bool open() override {
        ++opens;
        return available;
    }
    bool findVolume(Line line, MixerControl& control) override {
        if (!available || !lines.contains(line)) return false;
        control = lines[line];
        return true;
    }
    bool setVolume(const MixerControl& control, quint32 value) override {
        if (!available || control.element.isEmpty()) return false;
        written << qMakePair(control.element, value);
        return true;
    }

    bool available = true;
    QMap<Line, MixerControl> lines{{Line::Speakers, {"Master", 0, 65536, false}}};
    QList<QPair<QString, quint32>> written;
    int opens = 0;
};
