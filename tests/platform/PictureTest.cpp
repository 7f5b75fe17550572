#include <gtest/gtest.h>

#include "platform/Picture.h"

using namespace platform;

TEST(Picture, FormatsByDigitPlaces) {
  struct Case { double value; const char* picture; const char* expected; };
  const Case cases[] = {
      {5, "##0", "5"},        {0, "##0", "0"},       {1234, "##0", "1234"},
      {5, "000", "005"},      {12, "00", "12"},      {123, "00", "123"},
      {0, "#0", "0"},         {7, "#0", "7"},        {0, "##", ""},
      {0, "###", ""},         {42, "####", "42"},    {3, "0#", "03"},
      {2.5, "0", "3"},        {3.5, "0", "4"},       {-2.5, "0", "-3"},
      {2.4, "0", "2"},        {-0.4, "0", "0"},      {1.25, "0.0", "1.3"},
      {1.005, "0.00", "1.01"}, {2.675, "0.00", "2.68"}, {0.5, "0.0", "0.5"},
      {3, "0.0", "3.0"},      {1.5, "0.0#", "1.5"},  {1.256, "0.0#", "1.26"},
      {0.5, "#.0", ".5"},     {9.96, "0.0", "10.0"}, {-12.34, "#0.0", "-12.3"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatPicture(c.value, QString::fromLatin1(c.picture)),
              QString::fromLatin1(c.expected))
        << c.value << " " << c.picture;
}
