// SPDX-License-Identifier: LGPL-3.0-or-later
#include "modSondra.h"

namespace modSondra {

bool GetVolumeCtl(MixerBackend& mixer, quint32 componentType, quint32 controlType,
                  MixerControl& control) {
    if (controlType != VolumeControl) return false;
    if (componentType == SpeakersLine)
        return mixer.findVolume(MixerBackend::Line::Speakers, control);
    if (componentType == MicrophoneLine)
        return mixer.findVolume(MixerBackend::Line::Microphone, control);
    return false;
}

bool SetVolumeCtl(MixerBackend& mixer, const MixerControl& control, quint32 value) {
    return mixer.setVolume(control, value);
}

} // namespace modSondra
