#pragma once
// The standard seed order of a knock-out: the seed ranks of a draw's positions from the
// top, so that the best seeds meet as late as possible.

#include <vector>

namespace qv {

// L(P) for a power of two P >= 2: L(2) = 1, 2; L(2n) writes each x(i) of L(n) as the pair
// x, 2n+1-x when i is even and 2n+1-x, x when i is odd. Any other P gives the order of the
// next power of two (P <= 1 gives 1, 2).
std::vector<int> StandardSeedOrder(int p);

}  // namespace qv
