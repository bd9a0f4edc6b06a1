// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a laptop screen: every control inside it, the grid's
// cells still readable.

#include "GridView.h"
#include "WindowTest.h"

#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ScreenFit : public WindowTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(ScreenFit, EveryControlLiesInsideAndTheCellsStayReadable) {
    open();
    // The window manager's title bar and frame take about this much.
    const QSize room = GetParam() - QSize(16, 40);
    ASSERT_LE(window->minimumSizeHint().width(), room.width());
    ASSERT_LE(window->minimumSizeHint().height(), room.height());
    window->resize(room);
    child<QGroupBox>("InstructionFrame")->show();
    QTest::qWait(50);

    QStringList names{"Command1(0)",     "Command1(1)",   "Command1(2)",
                      "Command1(3)",     "Command1(4)",   "GridButton(0)",
                      "GridButton(1)",   "GridButton(2)", "ShowCoordinates",
                      "PageSlider",      "Text13",        "Coordinates",
                      "BitmapNameField", "ElementBox",    "InstructionPreview",
                      "DesignerCheck",   "PaletteScroll", "Grid"};
    for (int i = 0; i < 22; ++i)
        names << QStringLiteral("PageButton(%1)").arg(i);
    for (int i = 0; i < 8; ++i)
        names << QStringLiteral("EditMode(%1)").arg(i);
    const QRect inside = window->rect();
    for (const QString& name : names) {
        const QWidget* control = child<QWidget>(name);
        ASSERT_NE(control, nullptr);
        const QRect at(control->mapTo(window.get(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(inside.contains(at)) << name.toStdString() << " at " << at.x() << ',' << at.y()
                                         << ' ' << at.width() << 'x' << at.height();
    }
    const QRect cell = window->grid()->pictureRect(0);
    EXPECT_GE(cell.width(), GridView::PitchX * GridView::MinimumScale - 1);
    EXPECT_GE(window->grid()->scale(), GridView::MinimumScale);
}

INSTANTIATE_TEST_SUITE_P(Laptop, ScreenFit, ::testing::Values(QSize(1366, 768), QSize(1280, 720)),
                         [](const auto& screen) {
                             return std::to_string(screen.param.width()) + "x" +
                                    std::to_string(screen.param.height());
                         });

} // namespace
