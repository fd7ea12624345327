#pragma once
// The row order that the header-click exchange sort produces, computed in
// O(n log n). The sort visits every pair (i, j), i and j both running over all
// rows, and exchanges rows i and j when row i's key comes before row j's; the
// order it leaves equal keys in is part of what users see, so it is kept.

#include <cstddef>
#include <vector>

// `ranks[r]` places row r's key in the target order: lower ranks come
// first and equal keys share a rank; ranks should stay below the row count. Returns the rows in
// the order the exchange sort leaves them: element p is the original index of
// the row that ends at position p.
std::vector<std::size_t> ExchangeOrder(const std::vector<std::size_t>& ranks);
