// One entrant's texts on a bracket page: names, affiliations, group texts and kana in the
// name and affiliation columns, with the colours of players entered in other events and
// the bold marking of selected affiliations. Used at the leaves and for the two players of
// the playoff block.

#include <algorithm>

#include "charts/BracketPage.h"
#include "data/ModelAccess.h"
#include "data/PrintFilters.h"
#include "data/SankashaRef.h"
#include "data/SenshuJisho.h"
#include "data/SplitSankasha.h"
#include "platform/Blanks.h"
#include "platform/Cp932.h"
#include "platform/Width.h"

namespace qv {

namespace {

const QString kZenSlash = QStringLiteral("／");

// The page's event, printed as no league table.
CurrentChart BracketChart(const BracketPage& pg) { return {QString(), pg.t.ShumokuCode}; }

QString bracketed(const QString& s) { return QStringLiteral("（") + s + QStringLiteral("）"); }

struct Entrant {
  QString entryText, kanaText;
  QString group1, group2, group3;
  QString name1, name2, name3, affil1, affil2, affil3;
  int shozokuJun = 0;
};

// Step by step: the entry text, kana and group texts of entrant e; false when the index
// names no entry of the event.
bool loadEntrant(BracketPage& pg, int e, bool playoff, Entrant& en) {
  const Model& model = pg.env.model;
  SankashaRefContext& refs = pg.RefContext;
  refs.SankashaRefText.clear();
  if (!pg.shumoku) return false;
  const ShumokuRec& ev = *pg.shumoku;
  auto entry = [&](int i) -> const SankashaRec* {
    return hasIndex(ev.Sankasha, i) ? &ev.Sankasha.at(i)
                                                                  : nullptr;
  };
  QString groupSource;
  if (ev.KesshouShinshutsuSuu == 0) {
    if (e == kShoushaUndecided) return true;  // undecided: every text stays empty
    const SankashaRec* s = entry(e);
    if (!s) return false;
    refs.SankashaIndex = e;
    en.kanaText = s->SubText;
    en.entryText = ResolveSankashaRef(model, refs, s->Name, en.kanaText);
    groupSource = refs.SankashaRefText.isEmpty() ? s->GroupName : refs.SankashaRefText;
    en.shozokuJun = s->ShozokuNaiJun;
  } else {
    if (!hasIndex(ev.KesshouShinshutsu, e)) return false;
    const KesshouShinshutsuRec& q = ev.KesshouShinshutsu.at(e);
    en.entryText = q.Hyouji;
    if (const SankashaRec* s = entry(q.SankashaIdx)) {
      en.kanaText = s->SubText;
      en.shozokuJun = s->ShozokuNaiJun;
    }
    groupSource = q.SankashaText;
  }
  const qsizetype cut = groupSource.indexOf(kZenSlash);
  en.group1 = cut < 0 ? groupSource : groupSource.left(cut);
  if (cut >= 0) {
    const QString rest = groupSource.mid(cut + 1);
    const qsizetype cut2 = playoff ? -1 : rest.indexOf(kZenSlash);
    en.group2 = cut2 < 0 ? rest : rest.left(cut2);
    en.group3 = cut2 < 0 ? en.group2 : rest.mid(cut2 + 1);
  } else {
    en.group2 = en.group1;
    en.group3 = en.group1;
  }
  if (playoff) en.group3.clear();

  refs.SankashaRefText.clear();
  const SankashaTrio trio =
      SplitSankasha3(model, BracketChart(pg), en.entryText, pg.st.TournamentInsatsu.PairMode);
  en.name1 = trio.name1;
  en.name2 = trio.name2;
  en.name3 = trio.name3;
  en.affil1 = trio.aff1;
  en.affil2 = trio.aff2;
  en.affil3 = trio.aff3;
  if (model.taikai.sw.Nikokugo) {
    MakeBilingualNames(model.senshuJisho, en.name1, en.name2, en.affil1, en.affil2);
  } else if (pg.env.run.KanaKanji) {
    // The dictionary holds few names, often none: a name it does not hold prints as it is.
    for (QString* name : {&en.name1, &en.name2, &en.name3}) {
      const QString looked = LookupSenshuJisho(model.senshuJisho, *name);
      if (!looked.isEmpty()) *name = looked;
    }
  }
  for (QString* aff : {&en.affil1, &en.affil2, &en.affil3}) {
    *aff = platform::trimBlanks(*aff);
    if (model.taikai.sw.UseGakkou && aff->size() >= 2 && aff->endsWith(QStringLiteral("学校")))
      aff->chop(2);
  }
  return true;
}

// An unresolved reference printed as its place: "3勝者", "Ａ－2位".
void showWinnerRank(const BracketPage& pg, Entrant& en) {
  auto convert = [&](const QString& src, bool leagueByDash) {
    const qsizetype colon = src.indexOf(QChar(0xFF1A));
    const qsizetype p = pg.RefPrefixMode < 2 && colon >= 0 ? colon + 1 : 0;  // 1-based
    const QChar last = src.isEmpty() ? QChar() : src.back();
    const bool w = last == QChar(0xFF37);  // Ｗ
    const bool l = last == QChar(0xFF2C);  // Ｌ
    if (leagueByDash ? src.contains(QChar(0xFF0D)) : !(w || l)) return src.mid(p) + QStringLiteral("位");
    if (w || l) return src.mid(p, src.size() - p - 1) + (w ? QStringLiteral("勝者") : QStringLiteral("敗者"));
    return src;
  };
  if (en.name1.isEmpty() && !en.affil1.isEmpty()) {
    en.affil1 = convert(en.affil1, true);
  } else if (!en.name1.isEmpty() && en.affil1.isEmpty() && en.name1.contains(QChar(0xFF1A))) {
    en.affil1 = convert(en.name1, false);
    en.name1.clear();
  }
}

// Team divisions like "A-1" print without parentheses, pushed off the affiliation box.
bool isDivisionCode(const QString& affil) {
  const QString half = platform::toHalfWidth(affil);
  if (half.isEmpty()) return false;
  QChar code = half[0];
  const bool dash = (half.size() > 1 && half[1] == QLatin1Char('-')) ||
                    (half.size() > 2 && half[2] == QLatin1Char('-'));
  if (!(dash && half.back().isDigit())) code = QLatin1Char('*');
  return (code >= QLatin1Char('A') && code <= QLatin1Char('Z')) ||
         (code >= QLatin1Char('1') && code <= QLatin1Char('9'));
}

class EntrantPrinter {
 public:
  EntrantPrinter(BracketPage& pg, Entrant& en, bool playoff) : pg_(pg), en_(en), playoff_(playoff) {}

  void print() {
    layout();
    names();
    if (pg_.env.model.taikai.sw.ShozokuHyouji) affiliations();
  }

 private:
  PrintDevice& dev() const { return pg_.env.device; }
  float c(int j) const { return pg_.col(j); }
  void put(double x, double y, double h, double w, double pitch, double x2, const QString& t) const {
    if (!t.isEmpty()) dev().PrintStr(x, y, h, w, pitch, x2, t);
  }
  bool selected(const QString& text) const { return IsSelected(pg_.env.model.printFilters, text); }
  void bold(bool on) const {
    if (!on) return;
    dev().FontBold = 900;
    pg_.gothic();
  }
  void plain() const {
    pg_.mincho();
    dev().FontBold = 0;
    dev().SetColor(0, 0, 0);
  }
  // Colour of a player entered in another event: singles red, doubles navy, mixed green.
  void markColour(const QString& name) const {
    if (playoff_ || !pg_.MultiEventMarks) return;
    const Model& model = pg_.env.model;
    SankashaRefContext& refs = pg_.RefContext;
    const auto resolve = [&model, &refs](const QString& text) {
      return ResolveSankashaRef(model, refs, text);
    };
    const QString mark = GetTashumokuMark(model, BracketChart(pg_), name, resolve);
    if (mark == QStringLiteral("S")) dev().SetColor(255, 0, 0);
    else if (mark == QStringLiteral("D")) dev().SetColor(0, 0, 128);
    else if (mark == QStringLiteral("X")) dev().SetColor(0, 128, 0);
    else dev().SetColor(0, 0, 0);
  }
  bool threePlayer() const { return pg_.shumoku && pg_.shumoku->Shubetsu == QStringLiteral("３人"); }
  QString junText() const {
    return pg_.env.model.taikai.sw.ShozokuNaiJunban && en_.shozokuJun > 0 ? QStringLiteral(" %1").arg(en_.shozokuJun)
                                                              : QString();
  }

  void layout() {
    const float ns = pg_.NameSize;
    const float y = pg_.RowY;
    nameY_ = en_.name2.isEmpty() ? y - 0.5f * ns : y - 1.1f * ns;
    affSize2_ = pg_.AffilSize;
    if (en_.group1.isEmpty()) return;
    const float s = pg_.AffilSize;
    if (en_.name2.isEmpty()) {
      affY1_ = y - 1.1f * s;
      affY2_ = affY1_ + 1.2f * s;
      groupY1_ = affY1_;
    } else if (en_.affil2 == en_.affil1) {
      affY1_ = y - 1.7f * s;
      affY3_ = affY1_ + 1.2f * s;
      affY2_ = affY3_ + 1.2f * s;
      groupY1_ = en_.group2 == en_.group1 ? affY1_ + 0.6f * s : affY1_;
      groupY2_ = affY3_;
    } else {
      affSize2_ = 4.8f * s <= pg_.rowPitch() ? s : 0.75f * s;
      const float t = affSize2_;
      affY1_ = y - 2.3f * t;
      affY2_ = affY1_ + 1.2f * t;
      affY3_ = affY2_ + 1.2f * t;
      affY4_ = affY3_ + 1.2f * t;
      groupY1_ = affY1_;
      groupY2_ = affY3_;
    }
  }

  void names() {
    const float ns = pg_.NameSize;
    const float nss = pg_.NameSizeSmall;
    const float dict = pg_.DictNameSize;
    const float y = pg_.RowY;
    const bool grouped = !en_.group1.isEmpty();
    const bool kana = !playoff_ && pg_.env.run.KanaKanjiPrint;

    markColour(en_.name1);
    const bool bold1 = playoff_ ? selected(en_.affil1 + en_.group1)
                                : en_.name1.contains(QLatin1Char('[')) ||
                                      en_.name2.contains(QChar(0xFF3B)) ||
                                      selected(en_.affil1 + en_.group1);
    bold(bold1);
    if (threePlayer()) {
      put(c(0), y - 1.7f * nss, nss, ns, dict, c(1), en_.name1);
    } else if (!grouped) {
      if (kana) put(c(0), nameY_ - 0.7f * ns, 0.6f * ns, 0.6f * ns, dict, c(1), en_.kanaText);
      put(c(0), nameY_, ns, ns, dict, c(1), en_.name1);
    } else {
      if (kana)
        put(c(0), affY1_ - 0.7f * affSize2_, 0.6f * affSize2_, 0.6f * affSize2_, dict, c(1), en_.kanaText);
      put(c(0), affY1_, affSize2_, pg_.AffilSize, dict, c(1), en_.name1);
      plain();
      put(c(2), groupY1_, pg_.AffilSize, pg_.AffilSize, 0, c(3), bracketed(en_.group1));
    }
    plain();

    if (platform::trimBlanks(en_.name2) == QStringLiteral("&")) en_.name2.clear();
    if (!en_.name2.isEmpty()) {
      markColour(en_.name2);
      bold(selected(en_.affil2 + en_.group2));
      if (threePlayer())
        put(c(0), y - 0.5f * nss, nss, ns, dict, c(1), en_.name2);
      else if (!grouped)
        put(c(0), nameY_ + 1.2f * ns, ns, ns, dict, c(1), en_.name2);
      else
        put(c(0), affY3_, affSize2_, pg_.AffilSize, 0, c(1), en_.name2);
      plain();
      if (grouped && !threePlayer() && (en_.group2 != en_.group1 || en_.affil2 != en_.affil1) &&
          !en_.group2.isEmpty())
        put(c(2), groupY2_, pg_.AffilSize, pg_.AffilSize, 0, c(3), bracketed(en_.group2));
    }
    if (!en_.name3.isEmpty()) {
      markColour(en_.name3);
      bold(selected(en_.affil3 + en_.group3));
      put(c(0), y + 0.7f * nss, nss, ns, dict, c(1), en_.name3);
      plain();
    }
  }

  void affiliations() {
    const float ns = pg_.NameSize;
    const float nss = pg_.NameSizeSmall;
    const float as = pg_.AffilSize;
    const float y = pg_.RowY;
    const QString jun = junText();
    const bool grouped = !en_.group1.isEmpty();
    auto withJun = [&](const QString& a) { return bracketed(a + jun); };

    if (threePlayer()) {
      const QString* affs[3] = {&en_.affil1, &en_.affil2, &en_.affil3};
      const QString* groups[3] = {&en_.group1, &en_.group2, &en_.group3};
      if (en_.affil1 == en_.affil2 && en_.affil2 == en_.affil3) {
        if (!en_.affil1.isEmpty()) {
          bold(selected(en_.affil1 + en_.group1));
          put(c(2), y - 0.5f * nss, nss, as, 0, c(3), withJun(en_.affil1));
          plain();
        }
        return;
      }
      const float dy[3] = {-1.7f, -0.5f, 0.5f};
      for (int i = 0; i < 3; ++i) {
        if (affs[i]->isEmpty()) continue;
        bold(selected(*affs[i] + *groups[i]));
        put(c(2), y + dy[i] * nss, nss, as, 0, c(3), withJun(*affs[i]));
        plain();
      }
      return;
    }

    if (!en_.name1.isEmpty()) {
      if (en_.affil1.isEmpty()) return;
      bold(selected(en_.affil1 + en_.group1));
      if (grouped)
        put(c(0), affY2_, affSize2_, as, 0, c(1), withJun(en_.affil1));
      else
        put(c(2), en_.affil2 != en_.affil1 ? nameY_ : nameY_ + 0.6f * ns, ns, ns, 0, c(3),
            withJun(en_.affil1));
      plain();
      if (!en_.name2.isEmpty() && en_.affil2 != en_.affil1 && !en_.affil2.isEmpty()) {
        bold(selected(en_.affil2 + en_.group2));
        if (grouped)
          put(c(0), affY4_, affSize2_, as, 0, c(1), bracketed(en_.affil2));
        else
          put(c(2), nameY_ + 1.2f * ns, ns, ns, 0, c(3), bracketed(en_.affil2));
        plain();
      }
      return;
    }

    // No name: the entry is a team or organisation text.
    if (en_.affil1.isEmpty() && jun.isEmpty()) return;
    const bool team = pg_.isTeamEvent() || pg_.option(QStringLiteral("(TEAM)"));
    bold(selected(en_.affil1 + en_.group1));
    if (playoff_) {
      if (!team)
        put(c(3) - en_.affil1.size() * ns / 2.f - 1.5f * ns, nameY_, as, ns, ns, 0,
            QStringLiteral("(") + en_.affil1 + QStringLiteral(")"));
      else
        put(c(2), nameY_, ns, ns, 0, c(3), en_.affil1);
    } else if (!team) {
      const QString t = QStringLiteral("(") + en_.affil1 + jun + QStringLiteral(")");
      const float x = pg_.Side == 0
                          ? c(3) - platform::lenAnsi(en_.affil1 + jun) * ns / 2.f - ns
                          : c(0);
      put(x, nameY_, ns, ns, ns, 0, t);
    } else if (isDivisionCode(en_.affil1)) {
      const float x = pg_.Side == 0 ? c(3) - ns - platform::lenAnsi(en_.affil1) * ns / 2.f
                                    : c(0) + ns;
      put(x, nameY_, ns, ns, ns, 0, en_.affil1);
    } else {
      const float x1 = pg_.Side == 0 ? c(2) : c(0);
      const float x2 = pg_.Side == 0 ? c(3) : c(0) + (pg_.col(0, 3) - pg_.col(0, 2));
      put(x1, nameY_, ns, ns, 0, x2, en_.affil1 + jun);
    }
    plain();
  }

  BracketPage& pg_;
  Entrant& en_;
  bool playoff_;
  float nameY_ = 0, affSize2_ = 0;
  float affY1_ = 0, affY2_ = 0, affY3_ = 0, affY4_ = 0, groupY1_ = 0, groupY2_ = 0;
};

}  // namespace

void DrawEntrant(BracketPage& pg, int entrant, bool playoff) {
  Entrant en;
  if (!loadEntrant(pg, entrant, playoff, en)) return;
  if (!playoff && pg.ShowWinnerRank) showWinnerRank(pg, en);
  EntrantPrinter(pg, en, playoff).print();
}

}  // namespace qv
