// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "MixerBackend.h"

#include <QStringList>

struct _snd_mixer;

// The mixer through ALSA: device 0 is ALSA's "default" device; the speaker
// line is the first playback volume element of "Master", "Speaker" and
// "PCM", the microphone line the first capture volume element of "Mic" and
// "Capture". ALSA's own diagnostics are kept off the program's stderr.
class SONDRA_EXPORT AlsaMixer : public MixerBackend {
public:
    AlsaMixer();
    ~AlsaMixer() override;
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    bool open() override;
    bool findVolume(Line line, MixerControl& control) override;
    bool setVolume(const MixerControl& control, quint32 value) override;

    static QStringList candidates(Line line);

private:
    void close();

    _snd_mixer* mixer_ = nullptr;
};
