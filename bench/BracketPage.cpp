#include "BracketPage.h"

#include <array>

namespace bench {

BracketPage makeBracketPage() {
  static const std::array<const char16_t*, 10> kFamily = {u"山田", u"佐藤", u"鈴木", u"高橋", u"田中",
                                                        u"伊藤", u"渡辺", u"中村", u"小林", u"加藤"};
  static const std::array<const char16_t*, 10> kGiven = {u"太郎", u"花子", u"一郎", u"美咲", u"健太",
                                                       u"由美", u"翔", u"愛", u"大輔", u"真由美"};
  static const std::array<const char16_t*, 8> kClub = {u"東京", u"大阪クラブ", u"横浜", u"名古屋ＢＣ",
                                                     u"札幌", u"福岡", u"仙台ＪＢＣ", u"広島"};
  BracketPage page;
  // 50 rows on each side: name and affiliation boxes, 200 texts in all.
  for (int side = 0; side < 2; ++side) {
    const double nameX = side == 0 ? 10 : 150;
    const double clubX = side == 0 ? 38 : 178;
    for (int row = 0; row < 50; ++row) {
      const double y = 15 + row * 5.2;
      const int k = side * 50 + row;
      const QString name = QString::fromUtf16(kFamily[k % 10]) + QStringLiteral("　") +
                           QString::fromUtf16(kGiven[(k / 10 + k) % 10]);
      const QString club = QStringLiteral("（") + QString::fromUtf16(kClub[k % 8]) + QStringLiteral("）");
      page.texts.push_back({nameX, y, 3.5, 3.5, 3.5, nameX + 27, name});
      page.texts.push_back({clubX, y, 3, 3, 3, clubX + 22, club});
    }
  }
  // The bracket: a leaf line for each row, then the rounds joining pairs.
  for (int side = 0; side < 2; ++side) {
    const double edge = side == 0 ? 62 : 148;
    const double dir = side == 0 ? 1 : -1;
    std::vector<double> ys;
    for (int row = 0; row < 50; ++row) {
      const double y = 15 + row * 5.2 + 1.75;
      ys.push_back(y);
      page.lines.emplace_back(edge, y, edge + dir * 4, y);
    }
    double x = edge + dir * 4;
    while (ys.size() > 1 && page.lines.size() < 200) {
      std::vector<double> next;
      for (size_t i = 0; i + 1 < ys.size(); i += 2) {
        const double mid = (ys[i] + ys[i + 1]) / 2;
        page.lines.emplace_back(x, ys[i], x, ys[i + 1]);
        page.lines.emplace_back(x, mid, x + dir * 4, mid);
        next.push_back(mid);
      }
      if (ys.size() % 2) next.push_back(ys.back());
      ys = std::move(next);
      x += dir * 4;
    }
  }
  while (page.lines.size() < 200) page.lines.emplace_back(10, 280, 200, 280);
  page.lines.resize(200);
  return page;
}

}  // namespace bench
