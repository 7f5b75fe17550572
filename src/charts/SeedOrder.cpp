#include "charts/SeedOrder.h"

#include <cstddef>

namespace qv {

std::vector<int> StandardSeedOrder(int p) {
  std::vector<int> order = {1, 2};
  while (static_cast<int>(order.size()) < p && order.size() < (std::size_t{1} << 20)) {
    const int n = static_cast<int>(order.size());
    std::vector<int> next;
    next.reserve(2 * order.size());
    for (int i = 0; i < n; ++i) {
      const int x = order.at(i);
      if (i % 2 == 0) {
        next.push_back(x);
        next.push_back(2 * n + 1 - x);
      } else {
        next.push_back(2 * n + 1 - x);
        next.push_back(x);
      }
    }
    order = std::move(next);
  }
  return order;
}

}  // namespace qv
