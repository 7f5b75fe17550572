#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "data/ModelAccess.h"

namespace qv {
namespace {

TEST(ModelAccess, ListIndexesOutsideTheListGiveNothing) {
  std::vector<int> items{10, 20, 30};
  const struct {
    long long index;
    const int* expected;
  } cases[] = {{-1, nullptr},        {0, &items[0]},      {2, &items[2]},
               {3, nullptr},         {LLONG_MIN, nullptr}, {LLONG_MAX, nullptr},
               {1LL << 40, nullptr}};
  for (const auto& c : cases) {
    EXPECT_EQ(hasIndex(items, c.index), c.expected != nullptr) << c.index;
    EXPECT_EQ(listAt(items, c.index), c.expected) << c.index;
  }
  const std::vector<int> none;
  EXPECT_FALSE(hasIndex(none, 0));
  EXPECT_EQ(listAt(none, 0), nullptr);
}

TEST(ModelAccess, CountedListsStopAtTheShorterOfCountAndList) {
  // A file that announces more events than it holds, and one that announces fewer.
  TaikaiRec t;
  t.Shumoku.resize(2);
  t.ShumokuCount = 5;
  EXPECT_EQ(eventCount(t), 2);
  EXPECT_NE(eventAt(t, 1), nullptr);
  EXPECT_EQ(eventAt(t, 2), nullptr);
  t.ShumokuCount = 1;
  EXPECT_EQ(eventCount(t), 1);
  EXPECT_EQ(eventAt(t, 1), nullptr);
  t.ShumokuCount = -3;
  EXPECT_EQ(eventCount(t), 0);
  EXPECT_EQ(eventAt(t, 0), nullptr);
}

TEST(ModelAccess, ListSizesFromCounts) {
  const struct {
    long long count;
    std::size_t size, oneBased;
  } cases[] = {{-5, 0, 1}, {0, 0, 1}, {1, 1, 2}, {64, 64, 65}};
  for (const auto& c : cases) {
    EXPECT_EQ(countSize(c.count), c.size) << c.count;
    EXPECT_EQ(oneBasedSize(c.count), c.oneBased) << c.count;
  }
}

}  // namespace
}  // namespace qv
