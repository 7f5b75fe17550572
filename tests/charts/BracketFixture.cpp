#include "BracketFixture.h"

#include "charts/TournamentPages.h"
#include "data/Tournament.h"
#include "data/TournamentPlacement.h"

namespace qv::test {

BracketFixture::BracketFixture() = default;

int BracketFixture::addEvent(int n, const QString& name, const QString& ryakugou,
                             const QString& shubetsu) {
  auto& events = program().taikai.Taikai.Shumoku;
  ShumokuRec e;
  e.Name = name;
  e.Ryakugou = ryakugou;
  e.Shubetsu = shubetsu;
  e.Seibetsu = QStringLiteral("男子");
  for (int i = 0; i < n; ++i) {
    SankashaRec s;
    s.ShumokuName = name;
    s.Name = QStringLiteral("選手%1,所属%2").arg(i + 1).arg(i % 4);
    s.Bangou = i;
    e.Sankasha.push_back(s);
  }
  e.SankashaCount = n;
  e.KumiawaseSuu = n;
  e.MaxLen1 = 3;
  e.MaxLen2 = 3;
  TournamentRec t;
  t.ShumokuCode = static_cast<int>(events.size());
  t.SankaCount = n;
  t.KetteiJuni = 1;
  t.Meishou = name;
  e.TournamentCount = 1;
  e.Tournaments.push_back(t);
  events.push_back(e);
  program().taikai.Taikai.ShumokuCount = static_cast<int>(events.size());
  ShumokuRec& added = events.back();
  MakeTournament(program().taikai, added.Tournaments.front());
  PlaceTournamentSankasha(added, added.Tournaments.front());
  return static_cast<int>(events.size()) - 1;
}

ShumokuRec& BracketFixture::event(int e) {
  return program().taikai.Taikai.Shumoku[static_cast<size_t>(e)];
}

TournamentRec& BracketFixture::tournament(int e) { return event(e).Tournaments.front(); }

void BracketFixture::decide(int e, int k, bool upperWins, const QString& kekka) {
  TournamentRec& t = tournament(e);
  TaisenRec& n = t.Taisens[static_cast<size_t>(k)];
  int child = upperWins ? n.Taisen1 : n.Taisen2;
  if (child < 0) child = upperWins ? n.Taisen2 : n.Taisen1;  // a bye: the one side there is
  n.Shousha = t.Taisens[static_cast<size_t>(child)].Shousha;
  n.TaisenKekka = kekka;
}

void BracketFixture::decideAll(int e) {
  TournamentRec& t = tournament(e);
  for (int k = t.TaisenCount; k >= 1; --k) {
    const TaisenRec& n = t.Taisens[static_cast<size_t>(k)];
    if (n.HyoujiLevel > 0 && n.Taisen1 >= 0 && n.Taisen2 >= 0)
      decide(e, k, true, QStringLiteral("2:0:21-10:21-12:::"));
  }
}

void BracketFixture::setUp(const QString& keishiki, int pageCount) {
  TournamentInsatsuRec& ti = state.TournamentInsatsu;
  ti.Keishiki = keishiki;
  ti.PairMode = QStringLiteral("並列");
  ti.PageCount = pageCount;
  ti.Area = box;
  ti.TitleSize = 4.0f;
  ti.ScoreShow = true;
  ti.ShiaiBangouKeep = false;
  state.NameColumnRatio = 0.25f;
  state.ShozokuColumnRatio = 0.25f;
}

void BracketFixture::open() {
  program().device.OpenPrint(surface, program().kankyou.InsatsuFont, program().programFolder);
}

void BracketFixture::print(int e, const QString& keishiki, int pageCount) {
  setUp(keishiki, pageCount);
  open();
  ChartEnv chartEnv = env();
  PrintTournamentPages(chartEnv, state, tournament(e), -1);
}

std::vector<PrintedText> BracketFixture::texts() const { return PrintedTexts(surface, kPixelsPerMm); }

std::vector<PrintedLine> BracketFixture::lines() const {
  std::vector<PrintedLine> out;
  double width = 0;
  for (const SurfaceCall& c : surface.calls) {
    if (c.kind == SurfaceCall::Kind::LineWidth) width = c.width / kPixelsPerMm;
    if (c.kind != SurfaceCall::Kind::Line) continue;
    out.push_back({c.from.x(), c.from.y(), c.to.x(), c.to.y(), width, c.color});
  }
  return out;
}

std::optional<PrintedText> BracketFixture::find(const QString& s) const {
  for (const PrintedText& t : texts())
    if (t.text == s) return t;
  return std::nullopt;
}

bool BracketFixture::hasText(const QString& s, double x, double y) const {
  for (const PrintedText& t : texts())
    if (t.text == s && std::abs(t.x - x) < 0.02 && std::abs(t.y - y) < 0.02) return true;
  return false;
}

int BracketFixture::countTexts(const QString& s) const {
  int n = 0;
  for (const PrintedText& t : texts()) n += t.text == s ? 1 : 0;
  return n;
}

}  // namespace qv::test
