#include "data/Shokaisen.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "data/Fields.h"
#include "data/ModelAccess.h"
#include "data/TaikaiState.h"

namespace qv {

namespace {

constexpr int kMaxSizeExponent = 11;  // a block of kMaxShokaisenTotal positions

}  // namespace

ShokaisenRec ParseShokaisen(const QString& value) {
  const QStringList parts = value.split(QChar(','), Qt::KeepEmptyParts);

  ShokaisenRec shape;
  shape.Count = LngOrDefault(parts.value(0), 0);
  shape.Key = QStringLiteral("初回戦");
  // Sizes beyond those the line gives are not invented.
  const int available = static_cast<int>(parts.size()) - 1;
  const int read = std::clamp(shape.Count, 0, available);
  shape.Sizes.Count = read;
  shape.Sizes.Values.assign(oneBasedSize(read), 0);
  for (int i = 1; i <= read; ++i)
    shape.Sizes.Values.at(i - 1) = LngOrDefault(parts[i], 0);
  MakeShokaisenOrder(shape);
  return shape;
}

std::int64_t ShokaisenPositions(const ShokaisenRec& shape) {
  std::int64_t total = 0;
  const int n = std::min<int>(shape.Sizes.Count, static_cast<int>(shape.Sizes.Values.size()));
  for (int i = 0; i < n; ++i) {
    const int a = shape.Sizes.Values.at(i);
    if (a < 1) continue;
    if (a > 62) return INT64_MAX;
    const std::int64_t size = std::int64_t{1} << (a - 1);
    if (total > INT64_MAX - size) return INT64_MAX;
    total += size;
  }
  return total;
}

void ReadShokaisen(TaikaiState& taikai, int shumokuIndex, const QString& value) {
  AddShokaisen(taikai, shumokuIndex, ParseShokaisen(value));
}

void AddShokaisen(TaikaiState& taikai, int shumokuIndex, ShokaisenRec shape) {
  auto& events = taikai.Taikai.Shumoku;
  if (!hasIndex(events, shumokuIndex)) return;
  events.at(shumokuIndex).ShokaisenIndex =
      static_cast<int>(taikai.Shokaisens.size());
  taikai.Shokaisens.push_back(std::move(shape));
}

void MakeShokaisenOrder(ShokaisenRec& shape) {
  shape.Total = 0;
  shape.Order.clear();
  const int n = shape.Count;
  if (n < 1 || shape.Sizes.Count != n || shape.Sizes.Values.size() < countSize(n))
    return;
  long long total = 0;
  for (int i = 0; i < n; ++i) {
    const int a = shape.Sizes.Values.at(i);
    if (a < 1 || a > kMaxSizeExponent) return;
    total += 1LL << (a - 1);
    if (total > kMaxShokaisenTotal) return;
  }
  shape.Total = static_cast<int>(total);
  const int p = shape.Total;
  if ((p & (p - 1)) != 0) return;  // the seed passes need a power of two

  auto& order = shape.Order;
  order.assign(countSize(p), 0);
  order[0] = 1;
  for (int s = 1; s <= p / 2; s *= 2) {
    const int b = p / s;
    int j = 0;
    int k = b - 1;
    while (j < p) {
      order.at(k) = 2 * s + 1 - order.at(j);
      const int nj = k + b;
      k = j + b;
      j = nj;
    }
  }

  // Heads: the end of each block that holds its better seed. Every head should carry one
  // of the n best seeds; heads without one trade with best seeds standing off a head.
  std::vector<int> emptyHeads;
  std::vector<int> strayTop;
  int first = 0;
  for (int i = 0; i < n; ++i) {
    const int size = 1 << (shape.Sizes.Values.at(i) - 1);
    const int last = first + size - 1;
    const int head = order.at(first) > order.at(last) ? last : first;
    for (int pos = first; pos <= last; ++pos) {
      const int r = order.at(pos);
      if (pos == head) {
        if (r > n) emptyHeads.push_back(pos);
      } else if (r <= n) {
        strayTop.push_back(pos);
      }
    }
    first = last + 1;
  }
  for (size_t m = 0; m < emptyHeads.size() && m < strayTop.size(); ++m)
    std::swap(order.at(emptyHeads[m]), order.at(strayTop[m]));
}

}  // namespace qv
