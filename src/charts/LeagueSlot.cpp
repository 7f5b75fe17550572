// Names and affiliations of one slot: in its row on the left and in its column header.

#include <algorithm>

#include "charts/ChartEnv.h"
#include "charts/ChartUtil.h"
#include "charts/LeagueTable.h"
#include "data/PrintFilters.h"
#include "data/SankashaRef.h"
#include "data/SplitSankasha.h"
#include "platform/Blanks.h"
#include "platform/Width.h"

namespace qv {

namespace {

const QString kGothic = QStringLiteral("ＭＳ ゴシック");

// The names and affiliations of a slot's entry, with the group texts of its players.
struct SlotText {
  QString name[3];
  QString aff[3];
  QString grp[3];
  QString refText;  // the group text the entry resolved to
};

void Highlight(LeagueTable& t, bool on) {
  if (!on) return;
  t.env.device.FontBold = 900;
  t.env.device.SetFontName(kGothic);
}

void Plain(LeagueTable& t) {
  t.env.device.SetFontName(t.env.model.kankyou.InsatsuFont);
  t.env.device.FontBold = 0;
}

// A league table splits a one-field entry text as an affiliation.
CurrentChart LeagueChart(const LeagueTable& t) { return {QStringLiteral("L"), t.shumokuIndex}; }

bool Selected(const LeagueTable& t, const QString& text) {
  return IsSelected(t.env.model.printFilters, text);
}

// Colour of a left name by the other events its player plays.
void MarkColour(LeagueTable& t, const QString& name) {
  PrintDevice& d = t.env.device;
  if (!t.opt.tashumoku) {
    d.SetColor(0, 0, 0);
    return;
  }
  const Model& model = t.env.model;
  SankashaRefContext& refs = t.refs;
  const auto resolve = [&model, &refs](const QString& text) {
    return ResolveSankashaRef(model, refs, text);
  };
  const QString mark = GetTashumokuMark(model, LeagueChart(t), name, resolve);
  if (mark == QStringLiteral("S"))
    d.SetColor(255, 0, 0);
  else if (mark == QStringLiteral("D"))
    d.SetColor(0, 0, 128);
  else if (mark == QStringLiteral("X"))
    d.SetColor(0, 128, 0);
  else
    d.SetColor(0, 0, 0);
}

// What a column header shows of a name: the surname (the text before the first blank,
// half-width searched first) unless the headers show whole names.
QString HeaderName(const LeagueTable& t, const QString& name) {
  qsizetype p = name.indexOf(QLatin1Char(' '));
  if (p < 0) p = name.indexOf(QStringLiteral("　"));
  if (t.env.model.taikai.sw.LeagueUeName != QStringLiteral("姓名") && p > 0)
    return platform::trimBlanks(name.left(p));
  return name;
}

// "ABBR：B－1" style references that did not resolve, written as rank or winner texts.
QString RefCaption(const QString& ref) {
  if (ref.endsWith(QStringLiteral("Ｗ"))) return ref.chopped(1) + QStringLiteral("勝者");
  if (ref.endsWith(QStringLiteral("Ｌ"))) return ref.chopped(1) + QStringLiteral("敗者");
  return QString();
}

void KachiagariTexts(SlotText& s) {
  QString& name1 = s.name[0];
  QString& aff1 = s.aff[0];
  const QString colon = QStringLiteral("：");
  if (name1.isEmpty() && !aff1.isEmpty()) {
    if (aff1.contains(QStringLiteral("－"))) {
      aff1 += QStringLiteral("位");
    } else if (aff1.endsWith(QStringLiteral("Ｗ")) || aff1.endsWith(QStringLiteral("Ｌ"))) {
      const qsizetype p = aff1.indexOf(colon);
      aff1 = RefCaption(aff1.mid(p + 1));
    }
  }
  const qsizetype p = name1.indexOf(colon);
  if (!name1.isEmpty() && platform::trimBlanks(aff1).isEmpty() && p >= 0) {
    const QString after = name1.mid(p + 1);
    const QString caption = RefCaption(after);
    aff1 = caption.isEmpty() ? after + QStringLiteral("位") : caption;
    name1.clear();
  }
}

SlotText ReadSlotText(LeagueTable& t, int m) {
  const Model& model = t.env.model;
  t.refs.ShumokuIndex = t.shumokuIndex;
  t.refs.SankashaIndex = m;
  t.refs.SankashaRefText.clear();
  const SankashaRec& entry = t.ev.Sankasha.at(m);
  const QString text = ResolveSankashaRef(model, t.refs, entry.Name);
  const SankashaTrio trio = SplitSankasha3(model, LeagueChart(t), text, QStringLiteral("並列"));
  SlotText s;
  s.name[0] = trio.name1;
  s.name[1] = trio.name2;
  s.name[2] = trio.name3;
  s.aff[0] = trio.aff1;
  s.aff[1] = trio.aff2;
  s.aff[2] = trio.aff3;
  s.refText = t.refs.SankashaRefText;
  if (s.refText.isEmpty()) s.refText = entry.GroupName;

  if (t.team) {
    // A team: its name, with what stands in its brackets as the affiliation.
    s.name[0] = model.taikai.sw.NarrowEntryText ? platform::toFullWidth(s.aff[0]) : s.aff[0];
    s.aff[0].clear();
    const qsizetype p = s.name[0].indexOf(QStringLiteral("（"));
    if (t.shozoku && p >= 0) {
      s.aff[0] = s.name[0].mid(p + 1).remove(QStringLiteral("）"));
      s.name[0].truncate(p);
    }
  }

  for (QString& g : s.grp) g = s.refText;
  const qsizetype p = s.grp[0].indexOf(QStringLiteral("／"));
  if (!s.name[1].isEmpty() && s.aff[0] != s.aff[1] && p >= 0) {
    s.grp[1] = s.grp[0].mid(p + 1);
    s.grp[0].truncate(p);
    s.refText = s.grp[0];
    const qsizetype q = s.grp[1].indexOf(QStringLiteral("／"));
    if (q >= 0) {
      s.grp[2] = s.grp[1].mid(q + 1);
      s.grp[1].truncate(q);
    } else {
      s.grp[2] = s.grp[1];
    }
  }
  if (t.opt.kachiagariJuni) KachiagariTexts(s);
  return s;
}

// The affiliation text of name k as the affiliation column writes it.
QString ShozokuText(const LeagueTable& t, const SlotText& s, int k) {
  const QString& mode = t.env.model.taikai.sw.LeagueHidariGroup;
  QString text;
  if (mode == QStringLiteral("所属グループ")) {
    text = s.refText.isEmpty()
               ? "（" + s.aff[k] + "）"
               : "（" + s.aff[k] + "[" + s.grp[k] + "]）";
    if (k == 0 && text == QStringLiteral("（）")) text.clear();
  } else if (mode == QStringLiteral("グループ")) {
    text = "［" + s.grp[k] + "］";
    if (k == 0 && text == QStringLiteral("［］")) text.clear();
  } else {
    text = "（" + s.aff[k] + "）";
  }
  return text;
}

void PrintShozoku(LeagueTable& t, const SlotText& s, double ty) {
  PrintDevice& d = t.env.device;
  const LeagueGeometry& g = t.g;
  const double h = g.H;
  const QString t1 = ShozokuText(t, s, 0);
  Highlight(t, Selected(t, s.aff[0] + s.grp[0]));
  if (t.opt.shozokuKaigyou) {
    // Right-aligned in the name column, on the line under the name.
    const double x = std::max(g.X1 + g.W - h * t1.size(), g.X1 + 0.2 * h);
    d.PrintStr(x, ty + g.LeftFirst + 1.2 * h, h, h, 0, g.X1 + g.W, t1);
    Plain(t);
    return;
  }
  const double x = g.nameRight();
  const double x2 = g.affiliationRight();
  const auto line = [&](double y, const QString& text) { d.PrintStr(x, ty + y, h, h, 0, x2, text); };
  // The second and third lines of players from another affiliation than the first.
  const auto others = [&] {
    Plain(t);
    Highlight(t, Selected(t, s.aff[1] + s.grp[0]));
  };
  if (s.name[1].isEmpty()) {
    line(g.LeftFirst, t1);
  } else if (s.aff[0] == s.aff[1]) {
    if (!g.trio) {
      line(g.LeftFirst + 0.6 * h, t1);
    } else if (s.aff[1] == s.aff[2]) {
      line(g.trioLine(1), t1);
    } else {
      line(g.trioLine(0), t1);
      line(g.trioLine(1), t1);
      line(g.trioLine(2), ShozokuText(t, s, 2));
    }
  } else if (g.trio) {
    line(g.trioLine(0), t1);
    others();
    line(g.trioLine(1), ShozokuText(t, s, 1));
    line(g.trioLine(2), ShozokuText(t, s, 2));
  } else {
    line(g.LeftFirst, t1);
    others();
    line(g.LeftFirst + 1.2 * h, ShozokuText(t, s, 1));
  }
  Plain(t);
}

}  // namespace

void PrintLeagueSlot(LeagueTable& t, int i) {
  const int m = t.member(i);
  if (m < 0) return;
  PrintDevice& d = t.env.device;
  const LeagueGeometry& g = t.g;
  const double h = g.H;
  const double ty = g.rowTop(i);
  const double tx = g.columnLeft(i);
  const bool delBla = t.env.model.taikai.sw.DelBla;
  SlotText s = ReadSlotText(t, m);

  // First name: on the left, then in the column header.
  Highlight(t, Selected(t, s.aff[0] + s.grp[0]));
  MarkColour(t, s.name[0]);
  double y = g.trio ? ty + g.trioLine(0)
             : (!g.pairs && !t.shozoku) ? ty + g.R / 2 - h / 2
                                        : ty + g.LeftFirst;
  d.PrintStr(g.X1 + 0.2 * h, y, h, h, 0, g.nameRight(),
             delBla ? CutAtParen(s.name[0]) : s.name[0]);
  d.SetColor(0, 0, 0);
  if (s.name[0].isEmpty()) s.name[0] = s.aff[0];
  const QString header = HeaderName(t, s.name[0]);
  y = g.trio ? g.Y1 + g.trioLine(0) : g.Y1 + g.HeaderFirst;
  d.PrintStr(tx + 0.2 * h, y, h, h, 0, g.headerNameRight(i), delBla ? CutAtParen(header) : header);
  Plain(t);

  // Second and third names.
  for (int k = 1; k < 3; ++k) {
    if (s.name[k].isEmpty()) continue;
    Highlight(t, Selected(t, s.aff[k] + s.grp[k]));
    MarkColour(t, s.name[k]);
    const bool third = g.trio || k == 2;
    const double left = third ? g.trioLine(k) : g.LeftFirst + 1.2 * h;
    const double top = third ? g.trioLine(k) : g.HeaderFirst + 1.2 * h;
    d.PrintStr(g.X1 + 0.2 * h, ty + left, h, h, 0, g.nameRight(), s.name[k]);
    d.SetColor(0, 0, 0);
    d.PrintStr(tx + 0.2 * h, g.Y1 + top, h, h, 0, g.headerNameRight(i), HeaderName(t, s.name[k]));
    Plain(t);
  }

  if (t.shozoku) PrintShozoku(t, s, ty);
}

}  // namespace qv
