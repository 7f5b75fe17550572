#include <gtest/gtest.h>

#include "data/TaikaiState.h"
#include "teamlogic/TeamNames.h"

namespace qv {
namespace {

TEST(TeamNames, ShortTeamName) {
  struct Case {
    bool kantou, delBla;
    QString name, shortName;
  };
  const Case cases[] = {
      {false, false, "港区立第一中学校", "港区立第一中学校"},
      {true, false, "東京都・港区立第一中学校", "東京都・第一中"},
      {true, false, "第一中学校", "第一中"},
      {true, false, "港区立第一中学校", "港区立第一中"},
      {true, false, "中学", "中学"},
      {true, false, "学校", "学校"},
      {true, false, "区立東京・第一中学校", "区立東京・第一中"},  // "立" before "・"
      {false, true, "青葉クラブ（東京）", "青葉クラブ"},
      {false, true, "（東京）青葉", ""},
      {false, false, "青葉クラブ（東京）", "青葉クラブ（東京）"},
      {false, false, "青葉 クラブ　Ａ", "青葉クラブＡ"},
      {true, true, "東京都・港区立 第一中学校（Ａ）", "東京都・港区立第一中学校"},
  };
  for (const Case& c : cases) {
    TaikaiSwitches sw;
    if (c.kantou) sw.TaikaiOptions << "関東中学";
    sw.DelBla = c.delBla;
    EXPECT_EQ(GetShortTeamName(sw, c.name), c.shortName) << c.name.toStdString();
  }
}

TEST(TeamNames, KakkoText) {
  EXPECT_EQ(GetKakkoText("青葉クラブ（東京）"), "東京");
  EXPECT_EQ(GetKakkoText("青葉（東京）（Ａ）"), "東京（Ａ");
  EXPECT_EQ(GetKakkoText("青葉クラブ"), "");
  EXPECT_EQ(GetKakkoText("青葉(東京)"), "");
  EXPECT_EQ(GetKakkoText("青葉（"), "");
}

}  // namespace
}  // namespace qv
