#include "data/TournamentKekka.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "data/Fields.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/Shokaisen.h"
#include "data/Tournament.h"
#include "data/TournamentPlacement.h"
#include "platform/Blanks.h"
#include "platform/Numbers.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

bool endsStage(const QString& line) {
  if (line.isEmpty()) return false;
  const QChar c = line[0];
  return c == QChar('(') || c == QChar('[') || c == QChar(u'【') ||
         line.startsWith(QStringLiteral("トーナメント="));
}

bool isDecided(int shousha) { return shousha >= 0 && shousha < kShoushaUndecided; }

// The loser of semi-final node m (2 or 3): only from a real winner and two decided sides
// that include it; -1 otherwise (also when the draw has no such match).
int semiFinalLoser(const TournamentRec& t, int m) {
  const TaisenRec* node = TournamentNode(t, m);
  if (!node || node->Taisen1 < 1 || node->Taisen2 < 1) return kShoushaNone;
  const int w = node->Shousha;
  const int a = TournamentShousha(t, node->Taisen1);
  const int b = TournamentShousha(t, node->Taisen2);
  if (!isDecided(w) || !isDecided(a) || !isDecided(b)) return kShoushaNone;
  if (w == a) return b;
  if (w == b) return a;
  return kShoushaNone;
}

// Winner coming up from child c of a match node; -1 when there is no such child.
int childShousha(const TournamentRec& t, int c) {
  return c > 0 ? TournamentShousha(t, c) : kShoushaNone;
}

struct MatchLine {
  int n = 0;
  QString kekka;
  int shousha = 0;
  QString zumi;
  QString label;
  QString extra1;
  QString extra2;
  QString times;
  QString extra3;
};

int leadingWhole(const QString& text) { return platform::roundHalfEven(platform::Val(text)); }

// Levels reached (KachiagariLevel) by the winner w of node k and by the sides that lost.
void markLevels(Model& model, ShumokuRec& e, const TournamentRec& t, int k, int w) {
  const TaisenRec& node = t.Taisens.at(k);
  const int level = node.HyoujiLevel;
  const int entryCount = std::min(e.SankashaCount, static_cast<int>(e.Sankasha.size()));
  auto entry = [&](int x) -> SankashaRec* {
    return x >= 0 && x < entryCount ? &e.Sankasha.at(x) : nullptr;
  };
  // The sides: at node 0 they hold entrants (semi-final losers), elsewhere child nodes.
  auto sideValue = [&](int s) -> int {
    if (k == 0) return s >= 0 ? s : kShoushaNone;
    return s > 0 ? TournamentShousha(t, s) : kShoushaNone;
  };
  const int sides[2] = {node.Taisen1, node.Taisen2};

  if (e.YosenLeagueAri < 1) {
    // No entry to mark for a winner outside the event's entries.
    if (w < kShoushaUndecided) {
      SankashaRec* winner = entry(w);
      if (!winner) return;
      if (k > 0 && winner->KachiagariLevel < 0)
        model.messages.show(QStringLiteral("このメッセージをVessinにご連絡ください"),
                              e.Ryakugou + QStringLiteral("\r\n") + winner->Name,
                              platform::MsgIcon::None, platform::MsgButtons::Ok);
      winner->KachiagariLevel = level;
    }
    for (int s : sides) {
      const int x = sideValue(s);
      if (x >= 0 && x != w && x != kShoushaUndecided)
        if (SankashaRec* loser = entry(x)) loser->KachiagariLevel = -level;
    }
    return;
  }
  if (e.KesshouShinshutsuSuu <= 0) return;
  const int qualifiers =
      std::min(e.KesshouShinshutsuSuu, static_cast<int>(e.KesshouShinshutsu.size()));
  auto qualifierEntry = [&](int x) {
    return x >= 0 && x < qualifiers ? e.KesshouShinshutsu.at(x).SankashaIdx
                                    : kShoushaNone;
  };
  // A winner that is no qualifier (9999 included) has nobody to mark.
  if (w >= qualifiers) return;
  const int q = qualifierEntry(w);
  if (q >= 0 && q < kShoushaUndecided)
    if (SankashaRec* winner = entry(q)) winner->KachiagariLevel = level;
  for (int s : sides) {
    const int x = qualifierEntry(sideValue(s));
    if (x >= 0 && x != q && x != kShoushaUndecided)
      if (SankashaRec* loser = entry(x)) loser->KachiagariLevel = -level;
  }
}

void readMatchLine(Model& model, ShumokuRec& e, TournamentRec& t, const QString& value) {
  MatchLine m;
  SplitToFields(value, m.n, m.kekka, m.shousha, m.zumi, m.label, m.extra1, m.extra2, m.times,
                m.extra3);
  // Before the tree exists (or for a draw without one) there is no match to fill; match
  // numbers start at 1.
  if (!TournamentHasTree(t) || m.n < 1) return;
  if (static_cast<size_t>(m.n) >= t.ShiaiJunNode.size()) {
    model.messages.warn(
        e.Name + QStringLiteral("　試合番号-") + QString::number(m.n),
        QStringLiteral("試合番号が試合数を超えています、対戦方式を残したまま参加者数を減らしたことが"
                       "原因と思われますが、この試合を除外して処理します。"));
    return;
  }
  const int k = t.ShiaiJunNode.at(m.n);
  TaisenRec* found = TournamentNode(t, k);
  if (!found) return;
  TaisenRec& node = *found;

  const qsizetype colon = m.times.indexOf(QChar(':'));
  if (colon >= 0) {
    node.ExtraValue1 = leadingWhole(m.times.left(colon));
    node.ExtraValue2 = leadingWhole(m.times.mid(colon + 1));
  } else {
    node.ExtraValue1 = leadingWhole(m.times);
    node.ExtraValue2 = 0;
  }
  node.ShiaiBangou = QString::number(m.n);
  node.ShiaiBangouHyouji = m.label.isEmpty() ? QString::number(m.n) : m.label;
  node.TaisenKekka = m.kekka;
  node.TimeTableLink = -1;
  node.ExtraText1 = m.extra1;
  node.ExtraText2 = m.extra2;
  node.ExtraText3 = m.extra3;

  int w = m.shousha;
  // Files without a version number entrants across all events.
  if (model.kekka.KekkaVersion.isEmpty() && e.SankashaOffset <= w && w < kShoushaUndecided)
    w -= e.SankashaOffset;
  if (w == -10) w = k == 0 ? semiFinalLoser(t, 2) : childShousha(t, node.Taisen1);
  else if (w == -20) w = k == 0 ? semiFinalLoser(t, 3) : childShousha(t, node.Taisen2);
  node.Shousha = w;
  node.InsatsuZumi = m.zumi == QStringLiteral("済");

  if (w < 0) return;
  markLevels(model, e, t, k, w);
  // The third-place match is played by the semi-final losers.
  if (k == 2) t.Taisens[0].Taisen1 = semiFinalLoser(t, 2);
  if (k == 3) t.Taisens[0].Taisen2 = semiFinalLoser(t, 3);
}

// Refuses the line key=value of the stage for the limit.
void refuse(Model& model, const platform::TextFileReader& file, ReadLimit limit,
            const QString& key, const QString& value) {
  model.kekka.limits.refuse(model.messages, limit, file.lineNumber(), key + QChar('=') + value);
}

// 初回戦=: a shape larger than the largest draw, or beyond the file's total, is refused.
void readShape(Model& model, const platform::TextFileReader& file, int shumokuIndex,
               const QString& key, const QString& value) {
  ShokaisenRec shape = ParseShokaisen(value);
  const std::int64_t positions = ShokaisenPositions(shape);
  if (!ReadLimits::within(ReadLimit::TournamentEntrants, positions)) {
    refuse(model, file, ReadLimit::TournamentEntrants, key, value);
  } else if (!model.kekka.limits.take(ReadLimit::FileShapePositions, positions)) {
    refuse(model, file, ReadLimit::FileShapePositions, key, value);
  } else {
    AddShokaisen(model.taikai, shumokuIndex, std::move(shape));
  }
}

// ポイント数=: builds the tree, when the draw is one that prints and the file's knock-outs
// leave room for it, and places the entrants.
void buildTree(Model& model, const platform::TextFileReader& file, ShumokuRec& e, TournamentRec& t,
               const QString& key, const QString& value) {
  if (t.SankaCount > kMaxTournamentSankaCount) {
    refuse(model, file, ReadLimit::TournamentEntrants, key, value);
    return;
  }
  if (t.SankaCount >= 2) {
    const ShokaisenRec* shape = UsableShokaisen(model.taikai, t.ShumokuCode, t.SankaCount);
    const int nodes = GetTournamentNodeCount(shape ? shape->Total : t.SankaCount) + 1;
    if (!model.kekka.limits.take(ReadLimit::FileNodes, nodes)) {
      refuse(model, file, ReadLimit::FileNodes, key, value);
      return;
    }
  }
  MakeTournament(model.taikai, t);
  t.PointCount = LngOrDefault(value, 21);
  PlaceTournamentSankasha(e, t);
}

// The stage being read and what it has read so far.
struct StageRead {
  Model& model;
  const platform::TextFileReader& file;
  ShumokuRec& e;
  int shumokuIndex;
  TournamentRec& t;
  bool pointsRead = false;  // ポイント数= seen: the tree is built from what came before
};

void applyHeader(StageRead& stage, const QString& key, const QString& value) {
  Model& model = stage.model;
  const platform::TextFileReader& file = stage.file;
  ShumokuRec& e = stage.e;
  TournamentRec& t = stage.t;
  if (key == QStringLiteral("初回戦")) {
    readShape(model, file, stage.shumokuIndex, key, value);
  } else if (key == QStringLiteral("組合せ数")) {
    // The tree is built from the count before ポイント数=; a later count would leave the
    // stage with a tree that does not match it, or none at all.
    if (stage.pointsRead) {
      model.kekka.limits.warnLine(
          model.messages, file.lineNumber(), key + QChar('=') + value,
          QStringLiteral("%1　%2: 組合せ数=がポイント数=の後にあるため、この行を読み込みません。")
              .arg(e.Name, t.Meishou));
      return;
    }
    const int n = LngOrDefault(value, 0);
    if (n > kMaxTournamentSankaCount) {
      refuse(model, file, ReadLimit::TournamentEntrants, key, value);
      return;
    }
    t.SankaCount = n;
  } else if (key == QStringLiteral("決定順位")) {
    t.KetteiJuni = LngOrDefault(value, 1);
  } else if (key == QStringLiteral("ポイント数")) {
    stage.pointsRead = true;
    buildTree(model, file, e, t, key, value);
  } else if (key == QStringLiteral("予選リーグ印刷配置頁")) {
    e.YosenLeaguePage = LngOrDefault(value, 0);
  } else if (key == QStringLiteral("決勝リーグ印刷配置頁")) {
    e.KesshouLeaguePage = LngOrDefault(value, 0);
  } else if (key == QStringLiteral("決勝トーナメント印刷配置頁")) {
    e.KesshouTournamentPage = LngOrDefault(value, 0);
  } else if (key == QStringLiteral("上位トーナメント印刷")) {
    const QStringList parts = value.split(QChar(','));
    e.JouiTournamentSize = LngOrDefault(parts.value(0), 0);
    e.JouiTournamentPage = LngOrDefault(parts.value(1), 0);
  } else if (key == QStringLiteral("対戦")) {
    readMatchLine(model, e, t, value);
  }
}

}  // namespace

QString ReadTournamentKekka(Model& model, platform::TextFileReader& file, int shumokuIndex,
                            int tournamentIndex) {
  auto& events = model.taikai.Taikai.Shumoku;
  ShumokuRec* e = nullptr;
  TournamentRec* t = nullptr;
  if (hasIndex(events, shumokuIndex)) {
    e = &events.at(shumokuIndex);
    if (hasIndex(e->Tournaments, tournamentIndex))
      t = &e->Tournaments.at(tournamentIndex);
  }
  // No such knock-out: the stage is read and nothing stored.
  std::optional<StageRead> stage;
  if (t) {
    t->FirstDrawNo = 0;
    // Braces: an aggregate built with parentheses needs a newer clang than the fuzz build's.
    stage.emplace(StageRead{model, file, *e, shumokuIndex, *t});
  }
  while (!file.atEnd()) {
    const QString line = file.readLine();
    if (endsStage(line)) return line;
    const qsizetype eq = line.indexOf(QChar('='));
    if (eq <= 0 || !stage) continue;
    applyHeader(*stage, line.left(eq), platform::trimBlanks(line.mid(eq + 1)));
  }
  return QStringLiteral(".eof.");
}

}  // namespace qv
