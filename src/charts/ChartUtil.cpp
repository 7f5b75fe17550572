#include "charts/ChartUtil.h"

#include "platform/Width.h"

namespace qv {

namespace {

// The standard seeding order of a 64-line draw: L(2) = 1, 2, and L(2n) writes each k-th
// element x of L(n) as the pair x, 2n + 1 - x (k even) or 2n + 1 - x, x (k odd).
std::vector<int> seedingOrder(int lines) {
  std::vector<int> order{1, 2};
  for (int n = 2; n < lines; n *= 2) {
    std::vector<int> next;
    next.reserve(order.size() * 2);
    for (size_t k = 0; k < order.size(); ++k) {
      const int x = order[k];
      const int y = 2 * n + 1 - x;
      if (k % 2 == 0) {
        next.push_back(x);
        next.push_back(y);
      } else {
        next.push_back(y);
        next.push_back(x);
      }
    }
    order = std::move(next);
  }
  return order;
}

}  // namespace

SeedOrderTable MakeSeedTable() {
  SeedOrderTable table;
  const std::vector<int> order = seedingOrder(64);
  for (size_t i = 0; i < table.size(); ++i) {
    table[i] = QStringLiteral("%1").arg(order[i], 2);
  }
  return table;
}

QString ShortenKaijouName(const QString& venue) {
  QString s = platform::toFullWidth(venue);
  s.replace(QStringLiteral("体育館"), QString());
  s.replace(QStringLiteral("総合"), QString());
  s.replace(QStringLiteral("メインアリーナ"), QStringLiteral("M"));
  s.replace(QStringLiteral("サブアリーナ"), QStringLiteral("S"));
  s.replace(QStringLiteral("アリーナ"), QStringLiteral("ア"));
  return s;
}

QString CutAtParen(const QString& text) {
  qsizetype p = text.indexOf(u'(');
  if (p < 0) p = text.indexOf(u'（');
  return p < 0 ? text : text.left(p);
}

GameScores ReverseScores(const GameScores& scores) {
  GameScores reversed;
  for (size_t k = 0; k < scores.size(); ++k) {
    const QString& s = scores[k];
    const qsizetype dash = s.indexOf(u'-');
    if (dash < 1) {
      reversed[k] = s;
      continue;
    }
    const QStringView v = s;
    QString& r = reversed[k];
    r.reserve(s.size());
    r.append(v.sliced(dash + 1)).append(u'-').append(v.first(dash));
  }
  return reversed;
}

QString FormatJuni(int n) {
  if (n < 1) return QString();
  if (n <= 9) return QString(QChar(u'０' + n));
  if (n <= 98) return QString::number(n);
  return QStringLiteral("Ｘ");
}

void InitLabelSheets(LabelSheetState& state) {
  state.LabelSheetsReady = true;
  state.LabelSheets = {
      {QStringLiteral("エーワン 60面 28864,31278"), 22, 19, 36, 12, 4, 15, 4, 4, false},
      {QStringLiteral("エーワン 80面 28863"), 20, 18, 36, 8, 4, 20, 4, 4, false},
      {QStringLiteral("エーワン100面 28862"), 20, 16, 28, 8, 5, 20, 4, 4, false},
      {QStringLiteral("エーワン120面 28861"), 29, 17, 20, 8, 6, 20, 4, 4, false},
      {QStringLiteral("フリー　１１５面"), 5, 5, 38, 12, 5, 23, 0, 0, true},
  };
  state.LabelSheetCount = static_cast<int>(state.LabelSheets.size());
}

}  // namespace qv
