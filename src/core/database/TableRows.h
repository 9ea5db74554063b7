#pragma once
// Row moves inside the fixed-capacity, 1-based tables, shared by the editing operations.

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>

namespace qor::rows {

// Rows at..count move up by one to free row `at`; the caller checked count < capacity.
template <typename T, std::size_t N> void OpenRow(std::array<T, N>& table, int at, int count) {
    assert(at >= 1 && at <= count + 1 && count + 1 < static_cast<int>(N));
    T* base = table.data();
    std::copy_backward(base + at, base + count + 1, base + count + 2);
}

// Removes rows at..at+n-1; the rows behind them move down and the freed tail is cleared.
template <typename T, std::size_t N>
void RemoveRows(std::array<T, N>& table, int at, int n, int count) {
    assert(at >= 1 && n >= 0 && at + n - 1 <= count && count < static_cast<int>(N));
    T* base = table.data();
    std::copy(base + at + n, base + count + 1, base + at);
    std::fill(base + count + 1 - n, base + count + 1, T{});
}

} // namespace qor::rows
