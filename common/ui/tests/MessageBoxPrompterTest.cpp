// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxPrompter.h"

#include <gtest/gtest.h>

namespace {

// The link's boxes say little under a long title: the box, not its text,
// must give the window manager room for the title.
TEST(MessageBoxPrompter, AShortBoxIsAsWideAsItsTitleNeeds) {
    MessageBoxPrompter prompter;
    for (const char* title : {"norvette-c Hrim", "norvette-c MAP", "norvette-c Obel"}) {
        const auto box =
            prompter.box(QMessageBox::Warning, title, "RS-232 ERROR !!", QMessageBox::Ok);
        box->show();
        EXPECT_GE(box->width(), MessageBoxPrompter::titleRoom(title)) << title;
        box->hide();
    }
}

} // namespace
