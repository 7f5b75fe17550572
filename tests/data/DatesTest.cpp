#include <gtest/gtest.h>

#include "data/Dates.h"

using namespace qv;

TEST(Dates, NormalizeKaisaibi) {
  struct Case { const char16_t* typed; const char16_t* normalized; };
  const Case cases[] = {
      {u"2009.05.03", u"2009.05.03"},
      {u"H21.5.3", u"2009.05.03"},           // two-digit years from 20 up are 平成 years
      {u"H20.5.3", u"2008.05.03"},
      {u"平成21年5月3日", u"2009.05.03"},
      {u"09.5.3", u"2009.05.03"},            // below 20: 20yy
      {u"'09.5.3", u"2009.05.03"},
      {u"01.1.8", u"2001.01.08"},
      {u"19.12.1", u"2019.12.01"},
      {u"99.1.1", u"2087.01.01"},
      {u"2009.5.3,4", u"2009.05.03-4"},
      {u"2009.5.31-06.01", u"2009.05.31-06.01"},
      {u"20090503", u"2009.05.03"},
      {u"090503", u"2009.05.03"},
      {u"210503", u"2009.05.03"},
      {u"２００９．５．３", u"2009.05.03"},
      {u"Ｈ２１年５月３日", u"2009.05.03"},
      {u"2009年5月3日", u"2009.05.03"},        // the dot left by 日 is dropped
      {u"2009年5月3日-4日", u"2009.05.03-4"},
      {u"2009年5月31日-6月1日", u"2009.05.31-6.1"},
      {u"  2009.5.3  ", u"2009.05.03"},
      {u"　2009.5.3　", u"2009.05.03"},
      {u"未定", u"未定"},
      {u"2009.5", u"2009.5"},                // one dot: cannot be read
      {u"2009/05/03", u"2009/05/03"},
      {u" 2009/05/03-04 ", u"2009/05/03-04"},  // kept as typed, not the range twice
      {u"H21", u"H21"},
      {u"", u""},
      {u"..", u".."},
      {u"-", u"-"},
      {u"年月日", u".."},
  };
  for (const auto& c : cases) {
    const QString typed = QString::fromUtf16(c.typed);
    EXPECT_EQ(NormalizeKaisaibi(typed), QString::fromUtf16(c.normalized)) << typed.toStdString();
  }
}

TEST(Dates, ToWarekiDate) {
  const platform::FixedClock clock(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
  struct Case { const char16_t* date; const char16_t* wareki; };
  const Case cases[] = {
      {u"2009.05.03", u"平成２１年５月３日"},
      {u"2009.05.03-04", u"平成２１年５月３日－４日"},
      {u"2009.05.31-06.01", u"平成２１年５月３１日－６月１日"},
      {u"2019.04.30", u"平成３１年４月３０日"},
      {u"2019.05.01", u"令和元年５月１日"},
      {u"2019.12.31", u"令和元年１２月３１日"},
      {u"2020.01.05", u"令和２年１月５日"},
      {u"2018.12.31", u"平成３０年１２月３１日"},
      {u"1989.01.07", u"平成元年１月７日"},    // whole-year change outside 2019
      {u"1988.12.31", u"昭和６３年１２月３１日"},
      {u"1926.12.25", u"昭和元年１２月２５日"},
      {u"1925.01.01", u"大正１４年１月１日"},
      {u"2009/5/3", u"平成２１年５月３日"},
      {u"2009/05/03-04", u"平成２１年５月３日－４日"},
      {u"20090503", u"平成２１年５月３日"},
      {u"0503", u"令和８年５月３日"},           // the clock's year
      {u"未定", u"未定"},                      // no era date to build: kept
      {u"1900.01.01", u"1900.01.01"},
      {u"7", u"7"},
      {u"", u""},
      {u"2009.05.03-", u"平成２１年５月３日－日"},
  };
  for (const auto& c : cases) {
    const QString date = QString::fromUtf16(c.date);
    EXPECT_EQ(ToWarekiDate(date, clock), QString::fromUtf16(c.wareki)) << date.toStdString();
  }
}

TEST(Dates, NormalizedDatesReadAsWareki) {
  const platform::FixedClock clock(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
  EXPECT_EQ(ToWarekiDate(NormalizeKaisaibi(u"H21年5月31日,6月1日"_qs), clock),
            QStringLiteral("平成２１年５月３１日－６月１日"));
  EXPECT_EQ(ToWarekiDate(NormalizeKaisaibi(u"2019年5月1日"_qs), clock), QStringLiteral("令和元年５月１日"));
}

TEST(Dates, DecodeShiaiKeishiki) {
  struct Case { int code, points, games, cap; };
  const Case cases[] = {
      {21, 21, 3, 30},     {15, 15, 3, 21},    {11, 11, 3, 15},  {99, 99, 3, 147},
      {213, 21, 3, 30},    {152, 15, 2, 21},   {100, 10, 0, 13},
      {21330, 21, 3, 30},  {11511, 11, 5, 11}, {1000, 1, 0, 0},
  };
  for (const auto& c : cases) {
    RuleState rule{-1, -1, -1};
    DecodeShiaiKeishiki(rule, c.code);
    EXPECT_EQ(rule.RulePoints, c.points) << c.code;
    EXPECT_EQ(rule.RuleGames, c.games) << c.code;
    EXPECT_EQ(rule.RuleCap, c.cap) << c.code;
  }
}
