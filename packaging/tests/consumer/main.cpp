// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a PB by its class name and a Sondra over a mixer of its own, and
// prints what they hold.
#include <ControlFactory.h>
#include <Sondra.h>

#include <QApplication>
#include <QVariant>

#include <cstdio>
#include <memory>

namespace {
struct FixedMixer : MixerBackend {
    bool open() override { return true; }
    bool findVolume(Line, MixerControl& control) override {
        control = {QStringLiteral("Master"), 0, 100, false};
        return true;
    }
    bool setVolume(const MixerControl&, quint32) override { return true; }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget* bar = ControlFactory::create(QStringLiteral("ProgressBarControl.PB"));
    if (!bar) return 1;
    bar->setProperty("Value", 42);
    Sondra volume(std::make_unique<FixedMixer>());
    std::printf("PB %d, Sondra %d..%d\n", bar->property("Value").toInt(), volume.MinOutVol(),
                volume.MaxOutVol());
    delete bar;
    return 0;
}
