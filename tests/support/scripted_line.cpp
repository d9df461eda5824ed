#include "support/scripted_line.h"

#include <QtGlobal>
#include <algorithm>

namespace pelmora::test {

const char *faultName(ReplyPlan::Fault f)
{
    switch (f) {
    case ReplyPlan::Fault::None: return "none";
    case ReplyPlan::Fault::Lost: return "lost";
    case ReplyPlan::Fault::BadStatus: return "bad status";
    case ReplyPlan::Fault::BadCrc: return "bad crc";
    case ReplyPlan::Fault::CutShort: return "cut short";
    case ReplyPlan::Fault::Twice: return "twice";
    case ReplyPlan::Fault::Junk: return "junk";
    case ReplyPlan::Fault::Flood: return "flood";
    case ReplyPlan::Fault::Split: return "split";
    }
    return "?";
}

ScriptedLine::ScriptedLine(Setup setup) : s_(std::move(setup)), rng_(s_.seed) {}

int ScriptedLine::wire(qsizetype bytes, int baud) const
{
    if (baud <= 0 || bytes <= 0)
        return 0;
    return static_cast<int>((static_cast<long long>(bytes) * 10 * 1000 + baud - 1) / baud);
}

void ScriptedLine::schedule(qint64 at, const QByteArray &bytes)
{
    // Deliveries stay in time order; those of one moment in the order given.
    auto it =
        std::upper_bound(inbound_.begin(), inbound_.end(), at, [](qint64 t, const Delivery &d) { return t < d.at; });
    inbound_.insert(it, Delivery{at, bytes});
}

void ScriptedLine::inject(qint64 at, const QByteArray &bytes) { schedule(at, bytes); }

void ScriptedLine::injectAfter(int index, int afterMs, const QByteArray &bytes)
{
    strays_.push_back({index, afterMs, bytes});
}

qint64 ScriptedLine::pendingOutput()
{
    // Frames leave the port in order, so those still in it are the newest.
    qint64 pending = 0;
    for (auto t = taken_.rbegin(); t != taken_.rend() && t->leftPortAt > now_; ++t) {
        const qint64 startsAt = t->leftPortAt == kNever ? kNever : t->leftPortAt - wire(t->frame.size(), s_.baud);
        if (now_ < startsAt)
            pending += t->frame.size();
        else
            pending += qMax<qint64>(1, (t->leftPortAt - now_) * qMax(0, s_.baud) / 10000);
    }
    return pending;
}

bool ScriptedLine::send(const QByteArray &bytes)
{
    const int attempt = sends_++;
    if (sendFails || std::find(failingSends.begin(), failingSends.end(), attempt) != failingSends.end())
        return false;
    const int index = static_cast<int>(taken_.size());
    for (const Stray &stray : strays_)
        if (stray.index == index)
            schedule(now_ + stray.afterMs, stray.bytes);
    const int lineBaud = s_.lineBaud > 0 ? s_.lineBaud : s_.baud;
    Taken t;
    t.frame = bytes;
    t.sentAt = now_;
    t.leftAt = qMax(now_, ourLineFree_) + wire(bytes.size(), s_.baud);
    ourLineFree_ = t.leftAt;
    t.plan = s_.plan ? s_.plan(index) : ReplyPlan{};
    // The port sends at the program's speed, after what it holds already and
    // after the frame's own hold; the line may carry it slower.
    const bool stuck = portFree_ == kNever || t.plan.heldMs == ReplyPlan::kStuck;
    if (stuck) {
        portFree_ = t.leftPortAt = t.arrivedAt = kNever;
    } else {
        const qint64 startsAt = qMax(now_ + qMax(0, t.plan.heldMs), portFree_);
        t.leftPortAt = portFree_ = startsAt + wire(bytes.size(), s_.baud);
        t.arrivedAt = realLineFree_ = qMax(startsAt, realLineFree_) + wire(bytes.size(), lineBaud);
    }
    const QByteArray good = s_.reply ? s_.reply(bytes, index) : QByteArray();
    using F = ReplyPlan::Fault;
    if (stuck || good.isEmpty() || t.plan.fault == F::Lost) {
        taken_.push_back(t);
        return true;
    }
    auto randomBytes = [this](int n) {
        QByteArray b(qMax(1, n), '\0');
        for (char &c : b)
            c = static_cast<char>(rng_() & 0xFF);
        return b;
    };
    // The pieces of the reply and when each leaves the controller after the first.
    std::vector<std::pair<int, QByteArray>> pieces; // (ms after the first, bytes)
    switch (t.plan.fault) {
    case F::None: pieces.push_back({0, good}); break;
    case F::Lost: break;
    case F::BadStatus: pieces.push_back({0, s_.rejecting ? s_.rejecting(bytes, index) : good}); break;
    case F::BadCrc: {
        QByteArray r = good;
        r[r.size() - 1] = static_cast<char>(r.at(r.size() - 1) ^ 0x5A);
        pieces.push_back({0, r});
        break;
    }
    case F::CutShort: pieces.push_back({0, good.left(std::clamp<qsizetype>(t.plan.bytes, 1, good.size() - 1))}); break;
    case F::Twice: pieces.push_back({0, good + good}); break;
    case F::Junk: pieces.push_back({0, randomBytes(t.plan.bytes)}); break;
    case F::Flood: {
        const QByteArray all = randomBytes(t.plan.bytes);
        constexpr int chunk = 64;
        for (qsizetype at = 0; at < all.size(); at += chunk) {
            const int gap = qMax(1, wire(chunk, lineBaud));
            pieces.push_back({static_cast<int>(at / chunk) * gap, all.mid(at, chunk)});
        }
        break;
    }
    case F::Split: {
        const qsizetype k = std::clamp<qsizetype>(t.plan.bytes, 1, good.size() - 1);
        pieces.push_back({0, good.left(k)});
        pieces.push_back({qMax(0, t.plan.gapMs), good.mid(k)});
        break;
    }
    }
    const qint64 start = qMax(t.arrivedAt + qMax(0, t.plan.delayMs), replyLineFree_);
    qint64 end = start;
    for (const auto &[after, piece] : pieces)
        end = qMax(end, start + after + wire(piece.size(), lineBaud));
    // A reply later than the hold is lost in truth as well: nothing later can
    // be told apart from the next frame's reply. (A flood is no reply: it all comes.)
    if (t.plan.fault != F::Flood && s_.holdMs > 0 && end - t.leftAt >= s_.holdMs) {
        taken_.push_back(t);
        return true;
    }
    for (const auto &[after, piece] : pieces)
        schedule(start + after + wire(piece.size(), lineBaud), piece);
    replyLineFree_ = end;
    t.replied = true;
    t.replyEndsAt = end;
    t.good = t.plan.fault == F::None || t.plan.fault == F::Twice || t.plan.fault == F::Split;
    taken_.push_back(t);
    return true;
}

std::optional<QByteArray> ScriptedLine::read()
{
    if (readFails)
        return std::nullopt;
    return std::exchange(readable_, QByteArray());
}

qint64 ScriptedLine::nextDelivery() const { return inbound_.empty() ? kNever : inbound_.front().at; }

void ScriptedLine::advanceTo(qint64 t)
{
    now_ = qMax(now_, t);
    while (!inbound_.empty() && inbound_.front().at <= now_) {
        readable_ += inbound_.front().bytes;
        inbound_.pop_front();
    }
}

} // namespace pelmora::test
