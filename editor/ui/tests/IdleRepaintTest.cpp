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

class IdleRepaint : public WindowTest {};

// The timer is stopped and ticked by hand: each tick's repaints are done
// before the next one.
TEST_F(IdleRepaint, TheTimerRepaintsOnlyWhatTheTickChanged) {
    open();
    child<QTimer>("Timer1")->stop();
    editor->view().setMarkedCell(12);
    QApplication::processEvents();
    PaintCount grid(window->grid());
    PaintCount title(child<QLabel>("TitleLabel"));
    int blinks = 0;
    for (int tick = 0; tick < 200; ++tick) {
        editor->view().tick();
        blinks += editor->view().blinked();
        QApplication::processEvents();
    }
    EXPECT_EQ(grid.paints, blinks);
    EXPECT_GT(blinks, 0);
    EXPECT_EQ(title.paints, 200 / PageView::TitleFrameTicks);
}

} // namespace
