// SPDX-License-Identifier: LGPL-3.0-or-later
#include "Sondra.h"

#include "AlsaMixer.h"
#include "PropertyBag.h"
#include "modSondra.h"

#include <QPainter>
#include <QResizeEvent>

namespace {
quint32 componentOf(MixerBackend::Line line) {
    return line == MixerBackend::Line::Speakers ? modSondra::SpeakersLine
                                                : modSondra::MicrophoneLine;
}
} // namespace

Sondra::Sondra(QWidget* parent) : Sondra(std::make_unique<AlsaMixer>(), parent) {}

Sondra::Sondra(std::unique_ptr<MixerBackend> mixer, QWidget* parent)
    : QWidget(parent), mixer_(std::move(mixer)) {
    setObjectName(QStringLiteral("Sondra"));
    resize(SidePixels, SidePixels);
    // A container need not know the mixer has to be opened: the control
    // does it as it is made.
    InitMixer();
}

Sondra::~Sondra() = default;

void Sondra::store(qint32& field, qint32 value, const char* name) {
    field = value;
    emit propertyChanged(QString::fromLatin1(name));
}

void Sondra::setEnabledFlag(bool enabled) {
    enabled_ = enabled;
    emit propertyChanged(QStringLiteral("Enabled"));
}

void Sondra::setMicVolume(qint32 volume) {
    store(micVolume_, volume, "MicVolume");
    SetMicVolume();
}

void Sondra::setOutVolume(qint32 volume) {
    store(outVolume_, volume, "OutVolume");
    SetOutPutVolume();
}

void Sondra::InitMixer() {
    opened_ = mixer_->open();
    if (!opened_) return;
    MixerControl found;
    if (modSondra::GetVolumeCtl(*mixer_, modSondra::SpeakersLine, modSondra::VolumeControl,
                                found)) {
        speakers_ = found;
        setMinOutVol(qint32(found.minimum));
        setMaxOutVol(qint32(found.maximum));
    }
    if (modSondra::GetVolumeCtl(*mixer_, modSondra::MicrophoneLine, modSondra::VolumeControl,
                                found)) {
        microphone_ = found;
        setMinMicVol(qint32(found.minimum));
        setMaxMicVol(qint32(found.maximum));
    }
}

// The volumes go to the controls InitMixer found, unscaled and unclamped;
// the caller keeps them between the bounds.
void Sondra::SetMicVolume() {
    modSondra::SetVolumeCtl(*mixer_, microphone_, quint32(micVolume_));
}

void Sondra::SetOutPutVolume() {
    modSondra::SetVolumeCtl(*mixer_, speakers_, quint32(outVolume_));
}

qint32 Sondra::storedBound(MixerBackend::Line line, bool maximum) const {
    if (line == MixerBackend::Line::Speakers) return maximum ? maxOut_ : minOut_;
    return maximum ? maxMic_ : minMic_;
}

qint32 Sondra::bound(MixerBackend::Line line, bool maximum) const {
    if (!mixer_->open()) return 0;
    MixerControl found;
    bool foundAny = false;
    for (const auto each : {MixerBackend::Line::Speakers, MixerBackend::Line::Microphone}) {
        if (!modSondra::GetVolumeCtl(*mixer_, componentOf(each), modSondra::VolumeControl, found))
            continue;
        qint32& low = each == MixerBackend::Line::Speakers ? minOut_ : minMic_;
        qint32& high = each == MixerBackend::Line::Speakers ? maxOut_ : maxMic_;
        low = qint32(found.minimum);
        high = qint32(found.maximum);
        if (each == line) foundAny = true;
    }
    return foundAny ? storedBound(line, maximum) : 0;
}

void Sondra::readProperties(const PropertyBag& bag) {
    enabled_ = bag.read(QStringLiteral("Enabled"), true).toBool();
    micVolume_ = bag.read(QStringLiteral("MicVolume"), 0).toInt();
    outVolume_ = bag.read(QStringLiteral("OutVolume"), 0).toInt();
    minMic_ = bag.read(QStringLiteral("MinMicVol"), 0).toInt();
    maxMic_ = bag.read(QStringLiteral("MaxMicVol"), 0).toInt();
    minOut_ = bag.read(QStringLiteral("MinOutVol"), 0).toInt();
    maxOut_ = bag.read(QStringLiteral("MaxOutVol"), 0).toInt();
}

void Sondra::writeProperties(PropertyBag& bag) const {
    bag.write(QStringLiteral("Enabled"), enabled_, true);
    bag.write(QStringLiteral("MicVolume"), micVolume_, 0);
    bag.write(QStringLiteral("OutVolume"), outVolume_, 0);
    bag.write(QStringLiteral("MinMicVol"), minMic_, 0);
    bag.write(QStringLiteral("MaxMicVol"), maxMic_, 0);
    bag.write(QStringLiteral("MinOutVol"), minOut_, 0);
    bag.write(QStringLiteral("MaxOutVol"), maxOut_, 0);
}

void Sondra::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The control keeps its size whatever the container asks.
    if (event->size() != QSize(SidePixels, SidePixels)) resize(SidePixels, SidePixels);
}

void Sondra::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("♪"));
}
