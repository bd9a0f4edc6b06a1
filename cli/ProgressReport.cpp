// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressReport.h"

#include <QString>
#include <QTextStream>

namespace {
constexpr int BarWidth = 40;
}

void ProgressReport::show(float percent) {
    const int whole = int(percent);
    if (terminal_) {
        if (whole != shown_) draw(whole);
        return;
    }
    if (whole / 10 > shown_) {
        shown_ = whole / 10;
        err_ << "TRAN " << shown_ * 10 << " %\n";
        err_.flush();
    }
}

void ProgressReport::end(bool complete) {
    if (complete && terminal_) draw(100);
    if (complete && !terminal_) err_ << "TRAN 100 %\n";
    if (terminal_ && shown_ >= 0) err_ << "\n";
    err_.flush();
}

void ProgressReport::draw(int percent) {
    shown_ = percent;
    const int filled = percent * BarWidth / 100;
    err_ << "\rTRAN [" << QString(filled, u'#') << QString(BarWidth - filled, u' ') << "] "
         << qSetFieldWidth(3) << percent << qSetFieldWidth(0) << " %";
    err_.flush();
}
