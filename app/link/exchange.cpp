#include "link/exchange.h"

#include <QtGlobal>
#include <algorithm>
#include <chrono>

namespace pelmora {

qint64 linkClockMs()
{
    using namespace std::chrono;
    return static_cast<qint64>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int Exchange::wireMs(qsizetype bytes) const
{
    if (setup_.baud <= 0 || bytes <= 0)
        return 0;
    return static_cast<int>((static_cast<long long>(bytes) * 10 * 1000 + setup_.baud - 1) / setup_.baud);
}

int Exchange::gapMs(int replyBytes) const { return kReplyGapMs + wireMs(replyBytes); }

int Exchange::holdMs(qsizetype bytes, int writtenWaitMs) const
{
    const qint64 written =
        2 * (qint64(qMax(0, writtenWaitMs)) + wireMs(bytes) + wireMs(setup_.replyBytes) + kReplyMarginMs);
    const qint64 seen = qint64(wireMs(bytes)) + 2 * qint64(delay_) + kReplyMarginMs;
    return static_cast<int>(qMin<qint64>(qMax<qint64>(kHoldMs, qMax(written, seen)), kLongestHoldMs));
}

void Exchange::begin(const Setup &setup, const std::vector<HeldFrame> &earlier, qint64 unsureUntil)
{
    setup_ = setup;
    setup_.replyBytes = qMax(1, setup_.replyBytes);
    frames_.clear();
    // The line is free once the earlier frames have left.
    lineFree_ = 0;
    for (const HeldFrame &h : earlier) {
        Slot s;
        s.sentAt = s.leftAt = h.leftAt;
        s.expiresAt = h.expiresAt;
        s.replyBytes = qMax(1, h.replyBytes);
        frames_.push_back(s);
        lineFree_ = qMax(lineFree_, h.leftAt);
    }
    earlier_ = static_cast<int>(frames_.size());
    firstOpen_ = 0;
    delay_ = delayBeforeTake_ = 0;
    partial_.clear();
    partialSlot_ = -1;
    lastByteAt_ = 0;
    unsureUntil_ = unsureUntil;
}

const Exchange::Slot &Exchange::slot(Frame f) const { return frames_.at(static_cast<std::size_t>(f + earlier_)); }

bool Exchange::heldAt(int i, qint64 at) const
{
    const Slot &s = frames_[static_cast<std::size_t>(i)];
    return !s.answered && at < s.expiresAt;
}

int Exchange::oldestHeld(qint64 at) const
{
    for (int i = firstOpen_; i < static_cast<int>(frames_.size()); ++i)
        if (heldAt(i, at))
            return i;
    return -1;
}

qint64 Exchange::heldUntil(qint64 now) const
{
    qint64 until = kNever;
    for (int i = firstOpen_; i < static_cast<int>(frames_.size()); ++i)
        if (heldAt(i, now))
            until = until == kNever ? frames_[static_cast<std::size_t>(i)].expiresAt
                                    : qMax(until, frames_[static_cast<std::size_t>(i)].expiresAt);
    return until;
}

void Exchange::advanceOpen()
{
    while (firstOpen_ < static_cast<int>(frames_.size()) && frames_[static_cast<std::size_t>(firstOpen_)].answered)
        ++firstOpen_;
}

Exchange::Frame Exchange::sent(qsizetype bytes, int writtenWaitMs, qint64 now)
{
    Slot s;
    s.sentAt = now;
    s.replyBytes = setup_.replyBytes;
    // A frame handed over while the line still sends an earlier one leaves after it.
    s.leftAt = qMax(now, lineFree_) + wireMs(bytes);
    lineFree_ = s.leftAt;
    s.expiresAt = s.leftAt + holdMs(bytes, writtenWaitMs);
    frames_.push_back(s);
    return static_cast<Frame>(frames_.size()) - 1 - earlier_;
}

Exchange::Arrival Exchange::match(int i, QByteArray bytes, qint64 at)
{
    Slot &s = frames_[static_cast<std::size_t>(i)];
    s.answered = true;
    delay_ = qMax(delay_, static_cast<int>(qBound<qint64>(0, at - s.leftAt, qint64(kLongestHoldMs))));
    advanceOpen();
    Arrival a;
    a.kind = Arrival::Kind::Reply;
    a.frame = i >= earlier_ ? i - earlier_ : -1;
    a.bytes = std::move(bytes);
    return a;
}

std::vector<Exchange::Arrival> Exchange::elapse(qint64 now)
{
    std::vector<Arrival> out;
    if (partial_.isEmpty())
        return out;
    const int target = frames_[static_cast<std::size_t>(partialSlot_)].replyBytes;
    if (now - lastByteAt_ < gapMs(target))
        return out;
    // The reply stopped short: where the next one begins is no longer sure.
    Arrival a;
    a.bytes = std::exchange(partial_, QByteArray());
    partialSlot_ = -1;
    out.push_back(std::move(a));
    unsure(lastByteAt_);
    return out;
}

void Exchange::unsure(qint64 now)
{
    qint64 until = now;
    for (Slot &s : frames_) {
        until = qMax(until, s.expiresAt);
        s.answered = true;
    }
    firstOpen_ = static_cast<int>(frames_.size());
    partial_.clear();
    partialSlot_ = -1;
    unsureUntil_ = qMax(unsureUntil_, until);
    // The replies matched in the read that led here may be bytes of noise.
    delay_ = delayBeforeTake_;
}

std::vector<Exchange::Arrival> Exchange::take(QByteArrayView bytes, bool leaving, qint64 now)
{
    delayBeforeTake_ = delay_;
    std::vector<Arrival> out = elapse(now);
    if (unsureAt(now))
        return out; // nothing that comes now can be matched
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        if (partial_.isEmpty()) {
            const int i = oldestHeld(now);
            const bool newest = i == static_cast<int>(frames_.size()) - 1;
            const bool hasLeft = i >= 0 && now >= frames_[static_cast<std::size_t>(i)].leftAt && !(newest && leaving);
            if (!hasLeft) {
                // No frame that is out can be answered by these bytes.
                Arrival a;
                a.bytes = bytes.sliced(pos).toByteArray();
                out.push_back(std::move(a));
                unsure(now);
                break;
            }
            partialSlot_ = i;
        }
        const int target = frames_[static_cast<std::size_t>(partialSlot_)].replyBytes;
        const qsizetype k = qMin<qsizetype>(target - partial_.size(), bytes.size() - pos);
        partial_ += bytes.sliced(pos, k);
        pos += k;
        lastByteAt_ = now;
        if (partial_.size() >= target) {
            out.push_back(match(partialSlot_, std::exchange(partial_, QByteArray()), now));
            partialSlot_ = -1;
        }
    }
    return out;
}

bool Exchange::answered(Frame f) const { return slot(f).answered; }

qint64 Exchange::leftAt(Frame f) const { return slot(f).leftAt; }

qint64 Exchange::lostAt(Frame f) const { return slot(f).expiresAt; }

void Exchange::settle(Frame f)
{
    frames_.at(static_cast<std::size_t>(f + earlier_)).answered = true;
    advanceOpen();
}

qint64 Exchange::nextChange() const
{
    if (partial_.isEmpty())
        return kNever;
    return lastByteAt_ + gapMs(frames_[static_cast<std::size_t>(partialSlot_)].replyBytes);
}

std::vector<HeldFrame> Exchange::stillHeld(qint64 now) const
{
    std::vector<HeldFrame> out;
    for (int i = firstOpen_; i < static_cast<int>(frames_.size()); ++i) {
        const Slot &s = frames_[static_cast<std::size_t>(i)];
        if (heldAt(i, now))
            out.push_back({s.leftAt, s.expiresAt, s.replyBytes});
    }
    return out;
}

} // namespace pelmora
