// SPDX-License-Identifier: LGPL-3.0-or-later
#include "Sondra.h"
#include "FakeMixer.h"
#include "MemoryPropertyBag.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class SondraTest : public ::testing::Test {
protected:
    SondraTest() {
        auto owned = std::make_unique<FakeMixer>();
        mixer = owned.get();
        control = std::make_unique<Sondra>(std::move(owned));
    }
    FakeMixer* mixer;
    std::unique_ptr<Sondra> control;
    using Line = MixerBackend::Line;
};

TEST_F(SondraTest, ACreatedControlHasOpenedTheMixerAndKnowsItsBounds) {
    EXPECT_EQ(mixer->opens, 1);
    EXPECT_EQ(control->storedBound(Line::Speakers, true), 65536);
    control->setOutVolume(300);
    ASSERT_EQ(mixer->written.size(), 1);
    EXPECT_EQ(mixer->written[0], qMakePair(QString("Master"), 300u));
}

TEST_F(SondraTest, InitMixerTakesTheBoundsOfTheLinesThatExist) {
    control->setMinMicVol(3);
    control->setMaxMicVol(9);
    QSignalSpy changed(control.get(), &Sondra::propertyChanged);
    control->InitMixer();
    EXPECT_EQ(control->storedBound(Line::Speakers, false), 0);
    EXPECT_EQ(control->storedBound(Line::Speakers, true), 65536);
    // No microphone line: its bounds stay as stored, its getters say 0.
    EXPECT_EQ(control->storedBound(Line::Microphone, false), 3);
    EXPECT_EQ(control->storedBound(Line::Microphone, true), 9);
    EXPECT_EQ(control->MaxMicVol(), 0);
    EXPECT_EQ(control->MinMicVol(), 0);
    QStringList names;
    for (const auto& call : changed)
        names << call[0].toString();
    EXPECT_EQ(names, QStringList({"MinOutVol", "MaxOutVol"}));
}

TEST_F(SondraTest, BoundGettersAskTheMixerEachTime) {
    control->InitMixer();
    mixer->lines[Line::Speakers].maximum = 100;
    mixer->lines[Line::Microphone] = {"Capture", 0, 200, true};
    const int opens = mixer->opens;
    EXPECT_EQ(control->MaxOutVol(), 100);
    EXPECT_EQ(control->MaxMicVol(), 200);
    EXPECT_GT(mixer->opens, opens);
    EXPECT_EQ(control->storedBound(Line::Microphone, true), 200);
    mixer->available = false;
    EXPECT_EQ(control->MaxOutVol(), 0);
    EXPECT_EQ(control->storedBound(Line::Speakers, true), 100);
}

TEST_F(SondraTest, VolumesGoToTheMixerUnchanged) {
    mixer->lines[Line::Microphone] = {"Capture", 0, 65536, true};
    control->InitMixer();
    control->setOutVolume(70000); // above the maximum: passed on as it is
    control->setMicVolume(-1);    // written as the unsigned value it is
    ASSERT_EQ(mixer->written.size(), 2);
    EXPECT_EQ(mixer->written[0], qMakePair(QString("Master"), 70000u));
    EXPECT_EQ(mixer->written[1], qMakePair(QString("Capture"), 0xFFFFFFFFu));
    EXPECT_EQ(control->OutVolume(), 70000);
    // The bound setters store and limit nothing.
    control->setMaxOutVol(10);
    control->setOutVolume(20);
    EXPECT_EQ(mixer->written.last().second, 20u);
}

TEST_F(SondraTest, WithoutAMixerNothingIsWrittenOrShown) {
    mixer->available = false;
    control->InitMixer();
    control->setOutVolume(5);
    EXPECT_TRUE(mixer->written.isEmpty());
    EXPECT_EQ(control->OutVolume(), 5);
    EXPECT_EQ(control->MaxOutVol(), 0);
}

TEST_F(SondraTest, PersistedProperties) {
    // A mixer without lines leaves every property at its default: none is stored.
    auto bare = std::make_unique<FakeMixer>();
    bare->lines.clear();
    MemoryPropertyBag defaults;
    Sondra(std::move(bare)).writeProperties(defaults);
    EXPECT_TRUE(defaults.values().isEmpty());

    control->setEnabledFlag(false);
    control->setOutVolume(1000);
    control->setMaxMicVol(50);
    MemoryPropertyBag bag;
    control->writeProperties(bag);
    // The speakers' maximum came from the mixer as the control was made.
    EXPECT_EQ(bag.names(), QStringList({"Enabled", "MaxMicVol", "MaxOutVol", "OutVolume"}));

    Sondra copy(std::make_unique<FakeMixer>());
    copy.readProperties(bag);
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.OutVolume(), 1000);
    EXPECT_EQ(copy.storedBound(Line::Microphone, true), 50);
    EXPECT_EQ(copy.MicVolume(), 0);
}

TEST_F(SondraTest, ResizingSnapsBackTo480Twips) {
    control->show();
    control->resize(200, 90);
    EXPECT_EQ(control->size(), QSize(32, 32));
    EXPECT_EQ(Sondra::SidePixels * 15, 480);
}

} // namespace
