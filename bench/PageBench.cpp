// Start-up until the main window is shown, and the page display, on the
// pristine program folder the build assembles (read, never written). Run
// offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/obel_bench

#include "Form1.h"
#include "GridView.h"
#include "MapEditor.h"
#include "ProgramFolder.h"
#include "Prompter.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

class QuietPrompter : public Prompter {
public:
    bool confirm(const QString&, const QString&) override { return true; }
    void inform(const QString&, const QString&) override {}
    std::optional<QString> ask(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    int choose(const QString&, const QString&, const QStringList&) override { return -1; }
    void beep() override {}
};

const ProgramFolder folder(QStringLiteral(OBEL_PROGRAM_DIR));

void StartUpUntilShown(benchmark::State& state) {
    for (auto _ : state) {
        QuietPrompter prompter;
        MapEditor editor(folder, prompter);
        Form1 window(editor);
        window.start();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
        QApplication::processEvents();
    }
}
BENCHMARK(StartUpUntilShown)->Unit(benchmark::kMillisecond);

// A full page of elements with labels, shown and painted.
void ShowPage(benchmark::State& state) {
    QuietPrompter prompter;
    MapEditor editor(folder, prompter);
    Form1 window(editor);
    window.start();
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    editor.map().setPagesInUse(2); // the map only: the page count file stays
    for (int page = 0; page < 2; ++page)
        for (int cell = 0; cell < 143; ++cell)
            editor.map().cell(page, cell) = {cell % 2 ? "no.bmp" : "out.bmp", "X0.1", "1", ""};
    int page = 0;
    for (auto _ : state) {
        editor.view().showPage(page ^= 1);
        window.grid()->repaint();
    }
}
BENCHMARK(ShowPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
