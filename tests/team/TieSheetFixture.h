#pragma once
// Tie sheets printed on a recording surface: team events built by hand in a fresh test
// program, the sheet box 15, 15 - 195, 275 mm in 3 × 4 cells (60 × 65 mm), and where each
// sheet landed.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "data/ModelAccess.h"
#include "print/RecordingSurface.h"
#include "support/PrintedTexts.h"
#include "support/TestProgram.h"
#include "team/TeamMeisaiSheet.h"

namespace qv::test {

class TieSheetFixture : public ::testing::Test {
 protected:
  static constexpr double kPxPerMm = 100;

  void SetUp() override {
    p().device.attachSurface(&surface);
    p().kankyou.InsatsuFont = QStringLiteral("ＭＳ 明朝");
    p().taikai.Taikai.Name = QStringLiteral("市民大会");
    p().taikai.Taikai.KaisaiBi = QStringLiteral("2026.06.14");
    p().taikai.Taikai.Kaijou = QStringLiteral("中央体育館");
    p().bunshou.FirstPageNo = 1;
    layout = TeamMeisaiLayout{15, 15, 195, 275, 3, 4, QStringLiteral("ブロック")};
  }

  Program& p() { return tp.program; }

  // No events, nothing printed, no messages: the start of the next case of a table.
  void reset() {
    p().team = TeamState{};
    p().taikai.Taikai.Shumoku.clear();
    p().taikai.Taikai.ShumokuCount = 0;
    surface.calls.clear();
    tp.messages.shown.clear();
    pages = 0;
    teamEvent = 0;
  }

  // A team event paired with a tournament event of the given abbreviation; sub-matches of
  // the given kinds; `teams` teams "T0" … with one line-up of enough players "T0p0" ….
  // leagueTies: per qualifying-league block, its number of league matches (ties); none
  // leaves the event without a qualifying league. Returns the team event's index.
  int addEvent(const QString& ryakugou, int teams, const std::vector<int>& leagueTies = {},
               const QStringList& kinds = {QStringLiteral("複"), QStringLiteral("単"),
                                           QStringLiteral("複")}) {
    TaikaiRec& tk = p().taikai.Taikai;
    ShumokuRec e;
    e.Name = ryakugou + QStringLiteral("団体");
    e.Ryakugou = ryakugou;
    e.Shubetsu = QStringLiteral("団体");
    e.YosenLeagueAri = leagueTies.empty() ? 0 : 1;
    for (int i = 0; i < teams; ++i) {
      SankashaRec s;
      s.Name = QStringLiteral("T%1").arg(i);
      e.Sankasha.push_back(s);
    }
    e.SankashaCount = teams;
    for (size_t b = 0; b < leagueTies.size(); ++b) {
      LeagueBlockRec blk;
      blk.Name = QString(QChar(u'A' + static_cast<char16_t>(b)));
      const int places = std::min(teams, 3);
      blk.SankashaSuu = places;
      for (int s = 0; s < places; ++s) {
        blk.Sankasha.push_back(s);
        blk.SankashaIchi.push_back(s + 1);
      }
      blk.SankashaShiaiSuu.assign(static_cast<size_t>(places), 0);
      blk.Juni.assign(static_cast<size_t>(places), LeagueJuniRec{});
      for (int m = 0; m < leagueTies[b]; ++m) {
        LeagueTaisenRec lm;
        lm.Taisen1 = m % places;
        lm.Taisen2 = (m + 1) % places;
        lm.ShiaiBangou = QString::number(10 * static_cast<int>(b + 1) + m);
        blk.Taisen.push_back(lm);
        blk.TaisenIndex.push_back(m);
      }
      blk.TaisenCount = leagueTies[b];
      e.YosenLeague.Blocks.push_back(blk);
    }
    e.YosenLeague.BlockCount = static_cast<int>(leagueTies.size());
    const int ei = static_cast<int>(tk.Shumoku.size());
    e.TeamShumokuIndex = static_cast<int>(p().team.TeamShumokus.size());
    tk.Shumoku.push_back(e);
    tk.ShumokuCount = ei + 1;

    TeamShumokuRec ev;
    ev.Meishou = e.Name;
    ev.Ryakugou = ryakugou;
    ev.ShumokuIndex = ei;
    int rows = 0;
    for (const QString& k : kinds) {
      KouseiShumokuRec d;
      d.Kind = k;
      d.Hyouji = k + QString::number(ev.KouseiCount + 1);
      d.Rule = QStringLiteral("21");
      ev.Kousei.push_back(d);
      ++ev.KouseiCount;
      rows += k == QStringLiteral("単") ? 1 : k == QStringLiteral("３") ? 3 : 2;
    }
    for (int i = 0; i < teams; ++i) addTeam(ev, QStringLiteral("T%1").arg(i), rows);
    ev.Blocks.resize(leagueTies.size());
    ev.BlockCount = static_cast<int>(leagueTies.size());
    p().team.TeamShumokus.push_back(ev);
    p().team.TeamShumokuCount = static_cast<int>(p().team.TeamShumokus.size());
    teamEvent = p().team.TeamShumokuCount - 1;
    return teamEvent;
  }

  static void addTeam(TeamShumokuRec& ev, const QString& name, int rows) {
    TeamSankashaRec team;
    team.TeamName = name;
    TeamOrderRec o;
    for (int r = 0; r < rows; ++r) o.Players << name + QStringLiteral("p%1").arg(r);
    team.Orders.push_back(o);
    team.OrderCount = 1;
    ev.Teams.push_back(team);
    ev.TeamCount = static_cast<int>(ev.Teams.size());
  }

  TeamShumokuRec& ev(int e) { return p().team.TeamShumokus.at(static_cast<size_t>(e)); }

  // A stage appended to the event (after its league blocks).
  int addStage(int e, const QString& name = QString()) {
    TeamBlockRec b;
    b.Meishou = name;
    ev(e).Blocks.push_back(b);
    ev(e).BlockCount = static_cast<int>(ev(e).Blocks.size());
    return ev(e).BlockCount - 1;
  }

  // A tie of teams a and b; sub-match results "2"-"0" with 21-15 21-10 unless given.
  TeamTaisenRec& addTie(int e, int stage, int a, int b, const QString& ka = QString(),
                        const QString& kb = QString()) {
    TeamBlockRec& blk = ev(e).Blocks.at(static_cast<size_t>(stage));
    TeamTaisenRec tie;
    tie.TeamA = a;
    tie.TeamB = b;
    tie.KekkaA = ka;
    tie.KekkaB = kb;
    tie.ShiaiCount = ev(e).KouseiCount;
    tie.Shiais.resize(static_cast<size_t>(ev(e).KouseiCount));
    for (TeamShiaiRec& r : tie.Shiais) {
      r.GameCount = {QStringLiteral("2"), QStringLiteral("0")};
      r.Scores[0] = QStringLiteral("21-15");
      r.Scores[1] = QStringLiteral("21-10");
    }
    blk.Taisens.push_back(tie);
    blk.TaisenCount = static_cast<int>(blk.Taisens.size());
    return blk.Taisens.back();
  }
  // n ties in a round of the event's teams.
  void addTies(int e, int stage, int n) {
    const int teams = ev(e).TeamCount;
    for (int i = 0; i < n; ++i) addTie(e, stage, i % teams, (i + 1) % teams, "2", "1");
  }

  std::vector<PrintedText> texts() const { return PrintedTexts(surface, kPxPerMm); }
  std::optional<PrintedText> find(const QString& text) const {
    for (const PrintedText& x : texts())
      if (x.text == text) return x;
    return std::nullopt;
  }
  int countOf(const QString& text) const {
    int n = 0;
    for (const PrintedText& x : texts()) n += x.text == text;
    return n;
  }
  // Tie-number texts ("試合番号…", blanks left out) in print order, and the page each
  // printed on (1-based).
  struct Sheet {
    QString number;
    int page = 0;
    double x = 0, y = 0;  // where the number text began
  };
  std::vector<Sheet> sheets() const {
    std::vector<Sheet> out;
    int page = 0;
    for (const SurfaceCall& c : surface.calls) {
      if (c.kind == SurfaceCall::Kind::BeginDocument || c.kind == SurfaceCall::Kind::NewPage) ++page;
      if (c.kind != SurfaceCall::Kind::PlaceChars || c.chars.empty()) continue;
      QString s;
      for (const PlacedChar& ch : c.chars) s += QChar(ch.ch);
      if (!s.startsWith(QStringLiteral("試合番号"))) continue;
      out.push_back({s.mid(4), page, c.chars.front().at.x() / kPxPerMm,
                     c.chars.front().at.y() / kPxPerMm});
    }
    return out;
  }

  // The cell (column, row) a sheet's number text lies in, for the 3 × 4 grid of 60 × 65 mm
  // cells from (15, top) with sheets of unit u.
  static std::pair<int, int> cellOf(const Sheet& s, double u, double top = 15, double w = 60,
                                    double h = 65) {
    const double x0 = s.x - 5 * u - (w - 16 * u) / 2;
    return {static_cast<int>(std::floor((x0 - 15 + 0.01) / w)),
            static_cast<int>(std::floor((s.y - top) / h))};
  }

  TestProgram tp;
  RecordingSurface surface{kPxPerMm};
  TeamMeisaiLayout layout;
  int pages = 0;
  int teamEvent = 0;  // the event the by-event printers print: the last one added
};

}  // namespace qv::test
