// SPDX-License-Identifier: LGPL-3.0-or-later
#include "AlsaMixer.h"
#include "PulseDaemon.h"
#include "Sondra.h"

#include <QApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

int argc = 1;
char name[] = "sondra_mixer_tests";
char* argv[] = {name, nullptr};

// The first channel's raw volume in a pactl volume report.
int rawVolume(const QString& report) {
    const auto match = QRegularExpression(R"(front-left: (\d+) /)").match(report);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

class AlsaMixerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!qApp) new QApplication(argc, argv);
    }
    void SetUp() override { ASSERT_TRUE(pulse.start()) << "no PulseAudio daemon"; }

    QString sink() const { return pulse.pactl({"get-sink-volume", "@DEFAULT_SINK@"}); }
    QString source() const { return pulse.pactl({"get-source-volume", "@DEFAULT_SOURCE@"}); }

    PulseDaemon pulse;
    using Line = MixerBackend::Line;
};

TEST_F(AlsaMixerTest, TheDefaultDeviceHasBothLines) {
    AlsaMixer mixer;
    ASSERT_TRUE(mixer.open());
    MixerControl speakers, microphone;
    ASSERT_TRUE(mixer.findVolume(Line::Speakers, speakers));
    ASSERT_TRUE(mixer.findVolume(Line::Microphone, microphone));
    EXPECT_EQ(speakers.element, "Master");
    EXPECT_EQ(microphone.element, "Capture");
    EXPECT_EQ(speakers.minimum, 0);
    EXPECT_EQ(speakers.maximum, 65536);
}

TEST_F(AlsaMixerTest, InitMixerReadsTheBoundsAndVolumesReachTheMixer) {
    Sondra control;
    control.InitMixer();
    EXPECT_EQ(control.storedBound(Line::Speakers, false), 0);
    EXPECT_EQ(control.storedBound(Line::Speakers, true), 65536);
    EXPECT_EQ(control.MaxMicVol(), 65536);
    EXPECT_EQ(control.MinOutVol(), 0);

    control.setOutVolume(32768);
    EXPECT_EQ(rawVolume(sink()), 32768) << sink().toStdString();
    control.setMicVolume(16384);
    EXPECT_EQ(rawVolume(source()), 16384) << source().toStdString();
}

TEST_F(AlsaMixerTest, AControlJustMadeMovesMasterAndRewritesAVolumeChangedElsewhere) {
    Sondra control; // no InitMixer by name
    control.setOutVolume(30000);
    EXPECT_EQ(rawVolume(sink()), 30000) << sink().toStdString();

    pulse.pactl({"set-sink-volume", "@DEFAULT_SINK@", "10000"});
    ASSERT_EQ(rawVolume(sink()), 10000);
    control.SetOutPutVolume();
    EXPECT_EQ(rawVolume(sink()), 30000) << sink().toStdString();

    pulse.pactl({"set-sink-volume", "@DEFAULT_SINK@", "12000"});
    control.setOutVolume(30000); // the value it already has
    EXPECT_EQ(rawVolume(sink()), 30000) << sink().toStdString();
}

// The control passes a value above the maximum on as it is; the mixer
// ignores it and keeps the volume it had, while values in range still work.
TEST_F(AlsaMixerTest, AValueAboveTheMaximumIsPassedOnAndIgnored) {
    Sondra control;
    control.InitMixer();
    control.setOutVolume(20000);
    control.setOutVolume(70000);
    EXPECT_EQ(control.OutVolume(), 70000);
    EXPECT_EQ(rawVolume(sink()), 20000) << sink().toStdString();

    AlsaMixer mixer;
    ASSERT_TRUE(mixer.open());
    MixerControl speakers;
    ASSERT_TRUE(mixer.findVolume(Line::Speakers, speakers));
    mixer.setVolume(speakers, 70000);
    EXPECT_EQ(rawVolume(sink()), 20000);
    EXPECT_TRUE(mixer.setVolume(speakers, 65536));
    EXPECT_EQ(rawVolume(sink()), 65536);
}

TEST_F(AlsaMixerTest, WithoutTheMixerTheGettersSayZeroAndTheBoundsStay) {
    Sondra control;
    control.InitMixer();
    pulse.stop();
    EXPECT_EQ(control.MaxOutVol(), 0);
    EXPECT_EQ(control.MaxMicVol(), 0);
    EXPECT_EQ(control.storedBound(Line::Speakers, true), 65536);
    EXPECT_EQ(control.storedBound(Line::Microphone, true), 65536);
    control.setOutVolume(100); // nothing to write to: quietly nothing
    EXPECT_EQ(control.OutVolume(), 100);
}

} // namespace
