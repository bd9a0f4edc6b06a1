// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendLog.h"

#include "Tracer.h"

#include <algorithm>
#include <limits>

namespace {

bool before(const TrendLog::Poll& poll, qint64 ms) {
    return poll.ms < ms;
}

} // namespace

int TrendLog::firstCell(int firstRegister) {
    return 2 * (firstRegister - Tracer::FirstRegister);
}

void TrendLog::addAnswer(qint64 ms, int firstRegister, const QByteArray& data) {
    // An answer with no bytes would read as a gap.
    if (!data.isEmpty()) add({ms, firstRegister, data});
}

void TrendLog::addGap(qint64 ms, int firstRegister) {
    add({ms, firstRegister, {}});
}

// A clock set back must not put a poll before the ones already kept: the
// searches below count on the order of time.
void TrendLog::add(Poll poll) {
    poll.ms = std::max(poll.ms, last_);
    last_ = poll.ms;
    blocks_[poll.firstRegister].push_back(std::move(poll));
}

void TrendLog::dropBefore(qint64 ms) {
    for (auto& block : blocks_)
        while (!block.second.empty() && block.second.front().ms < ms)
            block.second.pop_front();
}

bool TrendLog::empty() const {
    return std::all_of(blocks_.begin(), blocks_.end(),
                       [](const auto& block) { return block.second.empty(); });
}

qint64 TrendLog::firstTime() const {
    qint64 first = std::numeric_limits<qint64>::max();
    for (const auto& block : blocks_)
        if (!block.second.empty()) first = std::min(first, block.second.front().ms);
    return empty() ? 0 : first;
}

qint64 TrendLog::lastTime() const {
    qint64 last = 0;
    for (const auto& block : blocks_)
        if (!block.second.empty()) last = std::max(last, block.second.back().ms);
    return last;
}

// The block whose answers hold the cell, and where in them it lies.
const std::deque<TrendLog::Poll>* TrendLog::blockOf(int cell, int* offset) const {
    for (const auto& [first, polls] : blocks_) {
        const int k = cell - firstCell(first);
        if (k >= 0 && k < 2 * Tracer::BlockRegisters) {
            *offset = k;
            return &polls;
        }
    }
    return nullptr;
}

std::vector<TrendLog::Point> TrendLog::points(const TrendTrace& trace, qint64 from,
                                              qint64 to) const {
    std::vector<Point> out;
    int k = 0;
    const std::deque<Poll>* polls = blockOf(trace.cell, &k);
    if (!polls) return out;
    auto it = std::lower_bound(polls->begin(), polls->end(), from, before);
    if (it != polls->begin()) --it;
    for (; it != polls->end(); ++it) {
        out.push_back({it->ms, k < it->data.size() ? trace.valueOf(quint8(it->data[k])) : Gap});
        if (it->ms > to) break;
    }
    return out;
}

std::optional<int> TrendLog::valueAt(const TrendTrace& trace, qint64 ms) const {
    int k = 0;
    const std::deque<Poll>* polls = blockOf(trace.cell, &k);
    if (!polls) return std::nullopt;
    auto it = std::upper_bound(polls->begin(), polls->end(), ms,
                               [](qint64 t, const Poll& poll) { return t < poll.ms; });
    if (it == polls->begin()) return std::nullopt;
    --it;
    if (k >= it->data.size()) return std::nullopt;
    return trace.valueOf(quint8(it->data[k]));
}

std::vector<TrendLog::Poll> TrendLog::polls() const {
    std::vector<Poll> all;
    for (const auto& block : blocks_)
        all.insert(all.end(), block.second.begin(), block.second.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const Poll& a, const Poll& b) { return a.ms < b.ms; });
    return all;
}
