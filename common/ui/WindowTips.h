// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class UiTexts;

// Gives a window and each of its controls the tooltip the texts hold for
// it, found by the window's and the control's object names. Controls the
// texts do not name keep the tooltip they have.
namespace WindowTips {
void apply(QWidget& window, const UiTexts& texts);
}
