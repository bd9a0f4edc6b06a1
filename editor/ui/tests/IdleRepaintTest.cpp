#include "GridView.h"
#include "WindowTest.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

// Counts the paints a widget receives.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The timer is stopped and ticked by hand: each tick's repaints are done
// before the next one. Counts the paints of the grid and the title and the
// blinks of a marked cell over `times` calls of `tick`.
class IdleRepaint : public WindowTest {
protected:
    struct Counts {
        int grid = 0, title = 0, blinks = 0;
    };
    template <typename Tick> Counts run(int times, Tick tick) {
        open();
        child<QTimer>("FrameTimer")->stop();
        editor->view().setMarkedCell(12);
        QApplication::processEvents();
        PaintCount grid(window->grid());
        PaintCount title(child<QLabel>("TitleLabel"));
        int blinks = 0;
        for (int i = 0; i < times; ++i) {
            tick(editor->view());
            blinks += editor->view().blinked();
            QApplication::processEvents();
        }
        return {grid.paints, title.paints, blinks};
    }
};

TEST_F(IdleRepaint, TheTimerRepaintsOnlyWhatTheTickChanged) {
    const Counts counts = run(200, [](PageView& view) { view.tick(); });
    EXPECT_EQ(counts.grid, counts.blinks);
    EXPECT_GT(counts.blinks, 0);
    EXPECT_EQ(counts.title, 200 / PageView::TitleFrameTicks);
}

// The window's timer takes a title frame's ticks at once: a blink inside the
// frame still repaints the marked cell.
TEST_F(IdleRepaint, AFrameOfTicksLosesNoBlink) {
    const Counts counts = run(30, [](PageView& view) { view.tickFrame(); });
    EXPECT_GE(counts.blinks, 4); // 300 ticks: a blink every 50 after the first 100
    EXPECT_EQ(counts.grid, counts.blinks);
    EXPECT_EQ(counts.title, 30);
}

} // namespace
