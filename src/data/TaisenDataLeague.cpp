// The match-data reader's league keys: blocks, their entrants and matches, and the
// qualifiers to the final stage.

#include <algorithm>

#include "data/Fields.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/TaisenDataReader.h"

namespace qv {
namespace taisen {

// ブロック=<name> or ブロック=<name>,Dummy: the next block of the preliminary league, which
// holds the blocks of every league stage.
void addBlock(Reader& r, const QString& value) {
  ShumokuRec& e = *r.event();
  LeagueStageRec& s = e.YosenLeague;
  const int index = std::max(0, s.BlockCount);
  static const QString kDummy = QStringLiteral(",Dummy");
  LeagueBlockRec b;
  if (value.endsWith(kDummy)) {
    b.Dummy = true;
    ++s.DummyBlockCount;
    b.Name = value.chopped(kDummy.size());
  } else {
    b.Name = value;
  }
  b.KesshouCount = 0;
  b.TaisenCount = 0;
  s.Blocks.resize(countSize(index));
  s.Blocks.push_back(b);
  s.BlockCount = index + 1;
  r.block = index;
  r.stage = index;
  r.entrant = 0;
  r.match = 0;
  ensureTeamStage(r, b.Name, true);
}

void setPointSuu(Reader& r, const QString& value) {
  if (LeagueBlockRec* b = r.currentBlock()) SplitToFields(value, b->PointSuu);
}

// 試合数=<n>: lays out the block's matches; a ",Dummy" block has none.
void setTaisenCount(Reader& r, const QString& value) {
  LeagueBlockRec* b = r.currentBlock();
  if (!b) return;
  if (b->Dummy) {
    b->TaisenCount = 0;
    return;
  }
  const int n = countValue(value);
  if (n < 0) return;
  if (!r.admit(ReadLimit::BlockMatches, ReadLimit::FileMatches, n, QStringLiteral("試合数"), value))
    return;
  // A team event's ties each hold a result per sub-match.
  if (const TeamShumokuRec* t = r.teamEvent()) {
    if (!r.model.kekka.limits.take(ReadLimit::FileSubMatches,
                                   (static_cast<std::int64_t>(n) + 1) * std::max(0, t->KouseiCount))) {
      r.refuse(ReadLimit::FileSubMatches, QStringLiteral("試合数"), value);
      return;
    }
  }
  const auto size = static_cast<std::size_t>(n);
  b->TaisenCount = n;
  r.event()->YosenLeague.TaisenTotal += n;
  b->Taisen.assign(size + 1, LeagueTaisenRec{});
  b->TaisenValue.assign(size, 0);
  b->TaisenIndex.assign(size + 1, 0);
  b->Shinpan.assign(2 * size, 0);
  r.match = 0;
  sizeTeamStage(r, n);
}

// 参加者数=<n>: lays out the block's entrant slots; blocks of three to seven take their
// umpires from the configuration's table for that size.
void setSankashaSuu(Reader& r, const QString& value) {
  LeagueBlockRec* b = r.currentBlock();
  if (!b) return;
  const int n = countValue(value);
  if (n < 0) return;
  if (!r.admit(ReadLimit::BlockSlots, ReadLimit::FileSlots, n, QStringLiteral("参加者数"), value))
    return;
  const auto size = static_cast<std::size_t>(n);
  b->SankashaSuu = n;
  b->Sankasha.assign(size, 0);
  b->SankashaIchi.assign(size, 0);
  b->SankashaShiaiSuu.assign(size, 0);
  b->Juni.assign(size, LeagueJuniRec{});
  if (n >= 3 && n < 8) {
    // The configured table may be shorter than the block's matches (or missing): a slot
    // it has no entry for gets no umpire.
    const LeagueShiaiJunRec* jun = r.model.kankyou.LeagueShiaiJun(n);
    auto umpire = [&](int i) { return jun && hasIndex(jun->Shinpan, i) ? jun->Shinpan[i] : -1; };
    const int count = b->TaisenCount;
    for (int i = 0; i < count; ++i) {
      for (int slot : {i, count + i}) {
        if (hasIndex(b->Shinpan, slot)) b->Shinpan.at(slot) = umpire(slot);
      }
    }
  }
  r.entrant = 0;
}

// 参加者=<entry>,<place>: the block's next entrant slot.
void addSankasha(Reader& r, const QString& value) {
  LeagueBlockRec* b = r.currentBlock();
  const int p = r.entrant;
  if (!b || p >= b->SankashaSuu || !hasIndex(b->Sankasha, p) || !hasIndex(b->SankashaIchi, p)) return;
  ShumokuRec& e = *r.event();
  int a = 0;
  int place = 0;
  SplitToFields(value, a, place);
  if (r.globalEntryNumbers() && a >= e.SankashaOffset) a -= e.SankashaOffset;
  b->Sankasha.at(p) = a;
  if (place > 0) b->SankashaIchi.at(p) = place;

  if (r.stageName == QStringLiteral("予選リーグ")) {
    if (a >= 0 && a < entryCount(e)) e.Sankasha.at(a).Bangou = r.ichi;
  } else if (p < e.KesshouShinshutsuSuu && hasIndex(e.KesshouShinshutsu, p)) {
    e.KesshouShinshutsu.at(p).Ichi = r.ichi;
  }
  ++r.ichi;
  ++r.entrant;
}

// 試合=<label>,<no>,<value>,<result>,<winner>,<side A>,<side B>,<済>,<label 2>,<text 1>,
// <text 2>,<a:b>,<text 3>: the block's next match.
void addShiai(Reader& r, const QString& value) {
  LeagueBlockRec* b = r.currentBlock();
  const int m = r.match;
  if (!b || b->Dummy || m >= b->TaisenCount || !hasIndex(b->Taisen, m) ||
      !hasIndex(b->TaisenValue, m)) {
    return;
  }
  QString label, noText, result, zumi, label2, text1, text2, values, text3;
  int taisenValue = 0, shousha = 0, side1 = 0, side2 = 0;
  SplitToFields(value, label, noText, taisenValue, result, shousha, side1, side2, zumi, label2,
                text1, text2, values, text3);
  // The match number stays as written; its value only places the match in the index.
  int no = 0;
  detail::assignField(no, noText);

  LeagueTaisenRec& t = b->Taisen.at(m);
  t.Taisen1 = side1;
  t.Taisen2 = side2;
  t.ShiaiBangou = noText;
  t.ShiaiBangouHyouji = label2.isEmpty() ? label : label2;
  t.TaisenKekka = result;
  t.Shousha = shousha;
  t.ExtraText1 = text1;
  t.ExtraText2 = text2;
  t.ExtraText3 = text3;
  const qsizetype colon = values.indexOf(QChar(':'));
  if (colon >= 0) {
    t.ExtraValue1 = LngOrDefault(values.left(colon), 0);
    t.ExtraValue2 = LngOrDefault(values.mid(colon + 1), 0);
  } else {
    t.ExtraValue1 = LngOrDefault(values, 0);
    t.ExtraValue2 = 0;
  }
  t.InsatsuZumi = zumi == QStringLiteral("済");
  t.TimeTableLink = -1;
  b->TaisenValue.at(m) = taisenValue;
  // A match number beyond the block's matches has no index entry.
  if (no > 0 && hasIndex(b->TaisenIndex, no - 1)) b->TaisenIndex.at(no - 1) = m;
  ++r.match;
}

// 決勝進出者数=<n>: a league-only event has no qualifiers.
void setKesshouSuu(Reader& r, const QString& value) {
  ShumokuRec& e = *r.event();
  const int n = countValue(value);
  if (n < 0) return;
  if (!r.admit(ReadLimit::Qualifiers, ReadLimit::FileQualifiers, n, QStringLiteral("決勝進出者数"),
               value))
    return;
  e.KesshouShinshutsuSuu = n;
  if (n > 0 && e.TaisenHoushiki == QStringLiteral("リーグ戦")) e.KesshouShinshutsuSuu = 0;
  e.KesshouShinshutsu.assign(countSize(e.KesshouShinshutsuSuu),
                             KesshouShinshutsuRec{});
  r.qualifier = 0;
}

// 決勝進出者=<block no>,<place>,<entry>,<text>,<value>,<position>: the next qualifier.
void addKesshou(Reader& r, const QString& value) {
  ShumokuRec& e = *r.event();
  const int q = r.qualifier;
  if (q >= e.KesshouShinshutsuSuu || !hasIndex(e.KesshouShinshutsu, q)) return;
  KesshouShinshutsuRec k;
  QString hyouji;
  SplitToFields(value, k.BlockNo, k.Juni, k.SankashaIdx, hyouji, k.ExtraValue, k.Ichi);
  LeagueStageRec& s = e.YosenLeague;
  if (k.BlockNo < 1 || k.BlockNo > s.BlockCount || !hasIndex(s.Blocks, k.BlockNo - 1)) return;
  ++s.Blocks.at(k.BlockNo - 1).KesshouCount;
  k.Hyouji = ColonToComma(hyouji);
  if (r.globalEntryNumbers() && k.SankashaIdx >= e.SankashaOffset) k.SankashaIdx -= e.SankashaOffset;
  if (k.SankashaIdx >= 0 && k.SankashaIdx < entryCount(e)) {
    k.SankashaText = e.Sankasha.at(k.SankashaIdx).GroupName;
  }
  e.KesshouShinshutsu.at(q) = std::move(k);
  ++r.qualifier;
}

}  // namespace taisen
}  // namespace qv
