// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "MixerBackend.h"

// The two mixer routines of the volume control. Lines and controls are named
// by the selectors the control has always used.
namespace modSondra {

constexpr quint32 SpeakersLine = 4;        // the speaker destination line
constexpr quint32 MicrophoneLine = 0x1003; // the microphone source line
constexpr quint32 VolumeControl = 0x50030001;

// Finds the volume control of a line; false when the line or control is missing.
SONDRA_EXPORT bool GetVolumeCtl(MixerBackend& mixer, quint32 componentType, quint32 controlType,
                                MixerControl& control);
// Writes one value to the control; true when the mixer took it.
SONDRA_EXPORT bool SetVolumeCtl(MixerBackend& mixer, const MixerControl& control, quint32 value);

} // namespace modSondra
