// SPDX-License-Identifier: LGPL-3.0-or-later
#include "AlsaMixer.h"

#include <alsa/asoundlib.h>

#include <cstdarg>

namespace {

// ALSA prints its complaints itself; a volume control is quiet about
// failures, so they go nowhere.
void quiet(const char*, int, const char*, int, const char*, ...) {}

snd_mixer_elem_t* element(snd_mixer_t* mixer, const QString& name) {
    snd_mixer_selem_id_t* id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_index(id, 0);
    snd_mixer_selem_id_set_name(id, name.toLatin1().constData());
    return snd_mixer_find_selem(mixer, id);
}

} // namespace

AlsaMixer::AlsaMixer() {
    snd_lib_error_set_handler(quiet);
}

AlsaMixer::~AlsaMixer() {
    close();
}

void AlsaMixer::close() {
    if (mixer_) snd_mixer_close(mixer_);
    mixer_ = nullptr;
}

bool AlsaMixer::open() {
    close();
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0) return false;
    if (snd_mixer_attach(mixer, "default") < 0 ||
        snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 || snd_mixer_load(mixer) < 0) {
        snd_mixer_close(mixer);
        return false;
    }
    mixer_ = mixer;
    return true;
}

QStringList AlsaMixer::candidates(Line line) {
    return line == Line::Speakers ? QStringList{"Master", "Speaker", "PCM"}
                                  : QStringList{"Mic", "Capture"};
}

bool AlsaMixer::findVolume(Line line, MixerControl& control) {
    if (!mixer_) return false;
    const bool capture = line == Line::Microphone;
    for (const QString& name : candidates(line)) {
        snd_mixer_elem_t* elem = element(mixer_, name);
        if (!elem) continue;
        long minimum = 0, maximum = 0;
        const bool has = capture ? snd_mixer_selem_has_capture_volume(elem)
                                 : snd_mixer_selem_has_playback_volume(elem);
        if (!has) continue;
        const int err = capture
                            ? snd_mixer_selem_get_capture_volume_range(elem, &minimum, &maximum)
                            : snd_mixer_selem_get_playback_volume_range(elem, &minimum, &maximum);
        if (err < 0) continue;
        control = {name, minimum, maximum, capture};
        return true;
    }
    return false;
}

bool AlsaMixer::setVolume(const MixerControl& control, quint32 value) {
    // Another program may have moved the volume since the mixer was read;
    // with the old value still cached, ALSA would take a write of that value
    // for no change and drop it. So the mixer is read afresh first, as the
    // bound getters do (its change events come too late to rely on).
    if (control.element.isEmpty() || !open()) return false;
    snd_mixer_elem_t* elem = element(mixer_, control.element);
    if (!elem) return false;
    const int err = control.capture ? snd_mixer_selem_set_capture_volume_all(elem, long(value))
                                    : snd_mixer_selem_set_playback_volume_all(elem, long(value));
    return err >= 0;
}
