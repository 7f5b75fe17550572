#include <gtest/gtest.h>

#include <limits>

#include "platform/Numbers.h"

using namespace platform;

TEST(Numbers, ValReadsTheLeadingNumber) {
  struct Case { const char16_t* text; double value; };
  const Case cases[] = {
      {u" 12abc", 12},  {u"-3.5x", -3.5}, {u"1 2", 12},   {u"abc", 0},    {u"", 0},
      {u"1E3", 1000},   {u"2.5e-1", 0.25}, {u"1D2", 100}, {u"12E", 12},   {u"+7", 7},
      {u".5", 0.5},     {u"- 4", -4},     {u"1.2.3", 1.2}, {u"\t9", 9},   {u"1-2", 1},
      {u"-", 0},        {u"1x2", 1},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_DOUBLE_EQ(Val(text), c.value) << text.toStdString();
  }
}

TEST(Numbers, NumericTextReadsWhole) {
  struct Case { const char16_t* text; std::optional<double> value; };
  const Case cases[] = {
      {u"12", 12},      {u"-3", -3},      {u"2.5", 2.5},    {u" 7 ", 7},     {u"1E3", 1000},
      {u"+4", 4},       {u".5", 0.5},     {u"5.", 5},
      {u"", {}},        {u"   ", {}},     {u"12a", {}},     {u"1-2", {}},    {u"1 2", {}},
      {u".", {}},       {u"1E", {}},      {u"1.2.3", {}},   {u"-", {}},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(numericValue(text), c.value) << text.toStdString();
    EXPECT_EQ(isNumericText(text), c.value.has_value()) << text.toStdString();
  }
}

TEST(Numbers, RoundsHalfToEvenAndClamps) {
  struct Case { double value; int32_t rounded; };
  const Case cases[] = {
      {2.5, 2},    {3.5, 4},    {-2.5, -2},  {-3.5, -4}, {0.5, 0},   {1.5, 2},
      {2.4, 2},    {2.6, 3},    {-0.6, -1},  {7, 7},
      {1e12, std::numeric_limits<int32_t>::max()}, {-1e12, std::numeric_limits<int32_t>::min()},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
}
