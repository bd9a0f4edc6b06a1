// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "MixerBackend.h"
#include "SondraExport.h"

#include <QWidget>

#include <memory>

class PropertyBag;

// A volume control for the computer's default audio mixer: the speaker and
// microphone volumes and the bounds each accepts. Volumes are written to the
// mixer as they are; the bounds are read from it again on every query.
class SONDRA_EXPORT Sondra : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Sondra.Sondra")
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledFlag NOTIFY propertyChanged)
    Q_PROPERTY(qint32 MicVolume READ MicVolume WRITE setMicVolume NOTIFY propertyChanged)
    Q_PROPERTY(qint32 OutVolume READ OutVolume WRITE setOutVolume NOTIFY propertyChanged)
    Q_PROPERTY(qint32 MinMicVol READ MinMicVol WRITE setMinMicVol NOTIFY propertyChanged)
    Q_PROPERTY(qint32 MaxMicVol READ MaxMicVol WRITE setMaxMicVol NOTIFY propertyChanged)
    Q_PROPERTY(qint32 MinOutVol READ MinOutVol WRITE setMinOutVol NOTIFY propertyChanged)
    Q_PROPERTY(qint32 MaxOutVol READ MaxOutVol WRITE setMaxOutVol NOTIFY propertyChanged)
public:
    static constexpr int SidePixels = 32; // 480 twips

    // The real mixer (ALSA).
    explicit Sondra(QWidget* parent = nullptr);
    // Any mixer, for containers and tests that bring their own.
    Sondra(std::unique_ptr<MixerBackend> mixer, QWidget* parent = nullptr);
    ~Sondra() override;

    bool Enabled() const { return enabled_; }
    void setEnabledFlag(bool enabled);
    qint32 MicVolume() const { return micVolume_; }
    void setMicVolume(qint32 volume);
    qint32 OutVolume() const { return outVolume_; }
    void setOutVolume(qint32 volume);

    // Each bound is read from the mixer again: 0 when the line is missing.
    qint32 MinMicVol() const { return bound(MixerBackend::Line::Microphone, false); }
    qint32 MaxMicVol() const { return bound(MixerBackend::Line::Microphone, true); }
    qint32 MinOutVol() const { return bound(MixerBackend::Line::Speakers, false); }
    qint32 MaxOutVol() const { return bound(MixerBackend::Line::Speakers, true); }
    void setMinMicVol(qint32 value) { store(minMic_, value, "MinMicVol"); }
    void setMaxMicVol(qint32 value) { store(maxMic_, value, "MaxMicVol"); }
    void setMinOutVol(qint32 value) { store(minOut_, value, "MinOutVol"); }
    void setMaxOutVol(qint32 value) { store(maxOut_, value, "MaxOutVol"); }

    // The bounds as stored, without asking the mixer.
    qint32 storedBound(MixerBackend::Line line, bool maximum) const;

    Q_INVOKABLE void InitMixer();
    Q_INVOKABLE void SetMicVolume();
    Q_INVOKABLE void SetOutPutVolume();

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

signals:
    void propertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qint32 bound(MixerBackend::Line line, bool maximum) const;
    void store(qint32& field, qint32 value, const char* name);

    std::unique_ptr<MixerBackend> mixer_;
    bool opened_ = false;
    MixerControl speakers_;
    MixerControl microphone_;
    bool enabled_ = true;
    qint32 micVolume_ = 0;
    qint32 outVolume_ = 0;
    // Refreshed by the bound getters, which containers call as const.
    mutable qint32 minMic_ = 0, maxMic_ = 0, minOut_ = 0, maxOut_ = 0;
};
