// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The receive log of the link window: every received byte in hexadecimal
// and a blank, with a line break before each byte that equals one of three
// filter values (all 165, 0xA5, the controller's frame start, at first).
class ReceiveLog {
public:
    static constexpr int DefaultFilter = 165;

    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }
    int filter(int index) const { return filters_.at(index); }
    void setFilter(int index, int value) { filters_.at(index) = value; }

    void add(quint8 byte);
    const QString& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    bool enabled_ = false;
    std::array<int, 3> filters_{DefaultFilter, DefaultFilter, DefaultFilter};
    QString text_;
};
