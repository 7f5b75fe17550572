#include <gtest/gtest.h>

#include "data/TextVars.h"

using namespace qv;

namespace {

TextVarState varsOf(std::initializer_list<std::pair<const char*, const char*>> pairs) {
  TextVarState vars;
  for (const auto& [k, v] : pairs) SetTextVar(vars, QString::fromUtf8(k), QString::fromUtf8(v));
  return vars;
}

}  // namespace

TEST(TextVars, SetReplacesExistingKeyAndAppendsNewOnes) {
  TextVarState vars;
  SetTextVar(vars, "大会名", "春季大会");
  SetTextVar(vars, "会場名", "市民体育館");
  SetTextVar(vars, "大会名", "秋季大会");
  SetTextVar(vars, "ｶﾅ", "half");
  SetTextVar(vars, "カナ", "full");  // width matters: another key
  ASSERT_EQ(vars.TextVarCount(), 4);
  EXPECT_EQ(vars.TextVars[0].Key, "大会名");
  EXPECT_EQ(vars.TextVars[0].Value, "秋季大会");
  EXPECT_EQ(vars.TextVars[1].Key, "会場名");
  EXPECT_EQ(vars.TextVars[2].Value, "half");
  EXPECT_EQ(vars.TextVars[3].Value, "full");
  SetTextVar(vars, "会場名", "");
  EXPECT_EQ(vars.TextVarCount(), 4);
  EXPECT_EQ(vars.TextVars[1].Value, "");
}

TEST(TextVars, LookupFallsBackToKeyWithoutAmpersand) {
  const TextVarState vars = varsOf({{"大会名", "県大会"},
                                    {"&会場名", ""},
                                    {"会場名", "体育館"},
                                    {"&協会名", "own"},
                                    {"協会名", "plain"},
                                    {"Abc", "x"},
                                    {"空", ""}});
  struct Case { const char* keys; const char* value; };
  const Case cases[] = {
      {"大会名", "県大会"},
      {"&大会名", "県大会"},
      {"&会場名", "体育館"},  // own entry empty: the plain key answers
      {"&協会名", "own"},     // an "&" key of its own wins
      {"abc", ""},            // case matters
      {"不明", ""},
      {"&不明", ""},
      {"&空", ""},
      {"&", ""},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LookupTextVars(vars, QString::fromUtf8(c.keys)), QString::fromUtf8(c.value))
        << c.keys;
}

TEST(TextVars, LookupOfAKeyListJoinsNonEmptyValues) {
  const TextVarState vars =
      varsOf({{"開催日", "5月1日"}, {"会場名", "体育館"}, {"空", ""}, {"a.b", "dotted"}});
  struct Case { const char* keys; const char* value; };
  const Case cases[] = {
      {"&開催日.会場名", "5月1日,体育館"},
      {"開催日.空.会場名", "5月1日,体育館"},
      {"不明.会場名", "体育館"},
      {"&開催日.不明", "5月1日"},
      {"開催日..会場名", "5月1日,体育館"},
      {"a.b", "dotted"},  // a dot at the second character is part of the key
      {"&a.b", ""},       // at the third: a list of "&a" and "b"
  };
  for (const auto& c : cases)
    EXPECT_EQ(LookupTextVars(vars, QString::fromUtf8(c.keys)), QString::fromUtf8(c.value))
        << c.keys;
}

TEST(TextVars, ExpandLayoutText) {
  TextVarState vars = varsOf({{"大会名", "第1回県大会"},
                              {"大会名称", "第5回県選手権大会"},
                              {"種目名", "男子単(一般)"},
                              {"協会名", "県協会"},
                              {"会長名", "山田"},
                              {"空", ""},
                              {"頁", "- 3 -"}});
  struct Case { const char* text; const char* printed; };
  const Case cases[] = {
      {"&大会名", "第1回県大会"},
      {"&頁", "- 3 -"},
      {"&不明", ""},
      {"&大会名称", "第5回県選手権大会"},
      {"&種目名", "男子単(一般)"},
      {"&大会名称-県", "第5回選手権大会"},
      {"&大会名称-大会-第", "5回県選手権"},
      {"&大会名称-回--", "第5県選手権大会"},  // empty pieces cut nothing
      {"&大会名称-", "第5回県選手権大会"},
      {"@&協会名@ 会長 @&会長名@ 殿", "県協会 会長 山田 殿"},
      {"@&大会名@ 殿", "第1回県大会 殿"},
      {"@&空@ 殿", ""},           // leading " 殿" skipped, nothing left
      {"@&空@　殿@&大会名", "第1回県大会"},
      {"@&空@様", ""},            // a lone honorific does not print
      {"@&空@ 様 ", ""},
      {"@&空@　様", ""},
      {"@&空@（@&空@）", ""},
      {"@(@&空@)", ""},
      {"@&空@殿", ""},
      {"@&大会名@様", "第1回県大会様"},
      {"@", ""},
      {"@@@", ""},
      {"@literal&not", "literal&not"},
      {"第&大会名", "第&大会名"},  // literal: "&" later in the text stays
      {"IMG:logo.bmp", "IMG:logo.bmp"},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExpandLayoutText(vars, QString::fromUtf8(c.text)), QString::fromUtf8(c.printed))
        << c.text;
}

TEST(TextVars, NameCutLists) {
  TextVarState vars =
      varsOf({{"大会名称", "第5回県選手権大会"}, {"種目名", "男子単(一般)"}});
  vars.TaikaiNameCut = {"第5回", "", "県"};  // stops at the first empty entry
  vars.ShumokuNameCut = {"男子", "()"};
  EXPECT_EQ(ExpandLayoutText(vars, "&大会名称"), "県選手権大会");
  EXPECT_EQ(ExpandLayoutText(vars, "&大会名称-県"), "選手権大会");
  EXPECT_EQ(ExpandLayoutText(vars, "@&大会名称@/@&種目名"), "県選手権大会/単");
  EXPECT_EQ(ExpandLayoutText(vars, "&大会名"), "");  // no key 大会名, and no cutting

  struct Case { const char* name; const char* cut; };
  const Case cases[] = {
      {"女子複（一般）", "女子複"},
      {"女子複(A)（B）", "女子複"},
      {"(A)女子複", "(A)女子複"},  // a parenthesis first is kept
      {"（A）", "（A）"},
      {"混合複", "混合複"},
      {"", ""},
  };
  vars.ShumokuNameCut = {"()"};
  for (const auto& c : cases)
    EXPECT_EQ(CutShumokuName(vars, QString::fromUtf8(c.name)), QString::fromUtf8(c.cut)) << c.name;
}
