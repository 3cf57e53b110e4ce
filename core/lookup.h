// Looking a row up in a constant table by its key. Every key the program
// looks up has its row; a missing one is a fault of the program, stopped
// where it happens (as std::array::at does) instead of read past the end.
#pragma once

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace tavrel
{

// The row of `table` whose `member` equals `key`.
template <typename Table, typename Row, typename Key>
const Row &rowOf(const Table &table, Key Row::*member, Key key)
{
    const auto row = std::ranges::find(table, key, member);
    if (row == std::ranges::end(table))
        throw std::out_of_range("a constant table has no row for the key");
    return *row;
}

} // namespace tavrel
