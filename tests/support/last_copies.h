#pragma once
// Whether a transfer may say its frames were written: every frame reached the
// controller and the last copy of each was answered good. One rule for the
// records of a ScriptedLine and of the controller simulator alike.

#include <QByteArray>
#include <functional>
#include <optional>
#include <vector>

namespace pelmora::test {

// Every packet of the rows, in sending order.
inline std::vector<QByteArray> packetsOf(const std::vector<std::vector<QByteArray>> &rows)
{
    std::vector<QByteArray> all;
    for (const auto &row : rows)
        all.insert(all.end(), row.begin(), row.end());
    return all;
}

// The last record of `frame` among `records` (nullptr: it never came);
// bytesOf(record) is the frame a record is of (a member or a function).
template <typename Record, typename BytesOf>
const Record *lastCopyOf(const std::vector<Record> &records, const QByteArray &frame, BytesOf bytesOf)
{
    for (auto r = records.rbegin(); r != records.rend(); ++r)
        if (std::invoke(bytesOf, *r) == frame)
            return &*r;
    return nullptr;
}

// The first of `frames` that never came or whose last copy was not answered
// good (goodOf(record)); nothing when every one was.
template <typename Record, typename BytesOf, typename GoodOf>
std::optional<std::size_t> firstNotWritten(const std::vector<QByteArray> &frames, const std::vector<Record> &records,
                                           BytesOf bytesOf, GoodOf goodOf)
{
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const Record *last = lastCopyOf(records, frames[i], bytesOf);
        if (!last || !std::invoke(goodOf, *last))
            return i;
    }
    return std::nullopt;
}

template <typename Record, typename BytesOf, typename GoodOf>
bool everyLastCopyGood(const std::vector<QByteArray> &frames, const std::vector<Record> &records, BytesOf bytesOf,
                       GoodOf goodOf)
{
    return !firstNotWritten(frames, records, bytesOf, goodOf);
}

} // namespace pelmora::test
