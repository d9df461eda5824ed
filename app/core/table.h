#pragma once
// Fixed-size tables with the index ranges the program's data uses.
// Every access is checked: an index outside the range throws TableIndexError,
// so input from files, netlists or the wire can never reach undefined behaviour.

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace pelmora {

class TableIndexError : public std::out_of_range {
public:
    explicit TableIndexError(const std::string &what) : std::out_of_range(what) {}
};

[[noreturn]] void throwTableIndexError(long long index, long long lo, long long hi);

// One-dimensional table indexed lo..hi inclusive.
template <typename T, long long Lo, long long Hi> class Table {
    static_assert(Hi >= Lo, "empty table");

public:
    static constexpr long long lo = Lo;
    static constexpr long long hi = Hi;
    static constexpr std::size_t size = static_cast<std::size_t>(Hi - Lo + 1);

    Table() : data_(size) {}

    static bool inRange(long long i) { return i >= Lo && i <= Hi; }

    T &operator()(long long i) { return data_[index(i)]; }
    const T &operator()(long long i) const { return data_[index(i)]; }
    void fill(const T &v) { std::fill(data_.begin(), data_.end(), v); }
    bool operator==(const Table &o) const = default;

    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }

private:
    static std::size_t index(long long i)
    {
        if (!inRange(i))
            throwTableIndexError(i, Lo, Hi);
        return static_cast<std::size_t>(i - Lo);
    }
    std::vector<T> data_;
};

// Two-dimensional table indexed (lo1..hi1, lo2..hi2) inclusive.
template <typename T, long long Lo1, long long Hi1, long long Lo2, long long Hi2> class Table2 {
    static_assert(Hi1 >= Lo1 && Hi2 >= Lo2, "empty table");

public:
    static constexpr long long lo1 = Lo1, hi1 = Hi1, lo2 = Lo2, hi2 = Hi2;
    static constexpr std::size_t rows = static_cast<std::size_t>(Hi1 - Lo1 + 1);
    static constexpr std::size_t cols = static_cast<std::size_t>(Hi2 - Lo2 + 1);

    Table2() : data_(rows * cols) {}

    static bool inRange(long long i, long long j) { return i >= Lo1 && i <= Hi1 && j >= Lo2 && j <= Hi2; }

    T &operator()(long long i, long long j) { return data_[index(i, j)]; }
    const T &operator()(long long i, long long j) const { return data_[index(i, j)]; }
    void fill(const T &v) { std::fill(data_.begin(), data_.end(), v); }
    bool operator==(const Table2 &o) const = default;

private:
    static std::size_t index(long long i, long long j)
    {
        if (i < Lo1 || i > Hi1)
            throwTableIndexError(i, Lo1, Hi1);
        if (j < Lo2 || j > Hi2)
            throwTableIndexError(j, Lo2, Hi2);
        return static_cast<std::size_t>(i - Lo1) * cols + static_cast<std::size_t>(j - Lo2);
    }
    std::vector<T> data_;
};

} // namespace pelmora
