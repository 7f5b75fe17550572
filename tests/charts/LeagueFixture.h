#pragma once
// A league table printed on a recording surface: an event built by hand in a fresh test
// program, and the texts the table printed, in millimetres.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "charts/League.h"
#include "data/LeagueResults.h"
#include "data/LeagueResultsFixture.h"
#include "print/RecordingSurface.h"
#include "support/PrintedTexts.h"
#include "support/TestProgram.h"

namespace qv::test {

class LeagueFixture : public ::testing::Test {
 protected:
  static constexpr double kPxPerMm = 100;

  void SetUp() override {
    t.program.device.OpenPrint(surface, QStringLiteral("ＭＳ 明朝"), t.folder());
  }

  Program& model() { return t.program; }
  // The table's box, millimetres.
  AreaRect box{0, 170, 0, 120};

  // An event whose entries have the given entry texts, with one block holding them in order.
  int addLeague(const QString& shubetsu, const QStringList& entries, const QString& name = "女子単") {
    const int e = addEvent(t.program, name, shubetsu, static_cast<int>(entries.size()));
    ShumokuRec& ev = event(t.program, e);
    ev.Ryakugou = QStringLiteral("WS");
    for (qsizetype i = 0; i < entries.size(); ++i) ev.Sankasha[static_cast<size_t>(i)].Name = entries[i];
    addBlock(ev, static_cast<int>(entries.size()));
    return e;
  }
  LeagueBlockRec& block(int e, int b = 0) {
    return event(t.program, e).YosenLeague.Blocks.at(static_cast<size_t>(b));
  }

  void print(int e, int b = 0) {
    surface.calls.clear();
    MakePrintRunStandings(t.program);
    auto env = t.program.chartEnv();
    PrintLeague(env, box, e, b);
  }

  std::vector<PrintedText> texts() const { return PrintedTexts(surface, kPxPerMm); }

  // The first text printed inside the box [x1, x2] × [y1, y2] (its first character's corner).
  std::optional<PrintedText> textIn(double x1, double y1, double x2, double y2) const {
    for (const PrintedText& p : texts())
      if (p.x >= x1 - 0.02 && p.x <= x2 && p.y >= y1 - 0.02 && p.y <= y2) return p;
    return std::nullopt;
  }
  // Every text inside the box, in print order.
  QStringList textsIn(double x1, double y1, double x2, double y2) const {
    QStringList out;
    for (const PrintedText& p : texts())
      if (p.x >= x1 - 0.02 && p.x <= x2 && p.y >= y1 - 0.02 && p.y <= y2) out << p.text;
    return out;
  }
  std::optional<PrintedText> find(const QString& text) const {
    for (const PrintedText& p : texts())
      if (p.text == text) return p;
    return std::nullopt;
  }

  TestProgram t;
  RecordingSurface surface{kPxPerMm};
};

}  // namespace qv::test
