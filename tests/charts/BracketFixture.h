#pragma once
// A program with one knock-out event of n singles entrants on a recording surface, and the
// texts and lines of what a bracket printed, in millimetres.

#include <QString>

#include <cmath>
#include <optional>
#include <vector>

#include "charts/ChartEnv.h"
#include "charts/TournamentInsatsu.h"
#include "print/RecordingSurface.h"
#include "support/PrintedTexts.h"
#include "support/TestProgram.h"

namespace qv::test {

struct PrintedLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // mm
  double width = 0;                        // mm
  RgbColor color = 0;
  bool red() const { return color == Rgb(255, 0, 0); }
  bool vertical() const { return std::abs(x1 - x2) < 0.01; }
};

class BracketFixture {
 public:
  static constexpr double kPixelsPerMm = 100;

  BracketFixture();

  Program& program() { return tp.program; }
  ChartEnv env() { return program().chartEnv(); }

  // Adds an event of n entrants "選手N" (1-based) of "所属N%4" with draw numbers in order,
  // and builds and fills its knock-out. Returns the event index.
  int addEvent(int n, const QString& name = QStringLiteral("一般男子シングルス"),
               const QString& ryakugou = QStringLiteral("MS"), const QString& shubetsu = QStringLiteral("単"));
  ShumokuRec& event(int e);
  TournamentRec& tournament(int e);
  // Node k won by the entrant of its upper (first) or lower child, with the result text.
  void decide(int e, int k, bool upperWins, const QString& kekka);
  // Every match decided by its upper child 2:0 21-10 21-12, bottom up.
  void decideAll(int e);

  // Settings for a one-page chart in the box 20..190 × 20..280.
  void setUp(const QString& keishiki, int pageCount = 1);
  // Opens a print job on the recorder.
  void open();
  // setUp, open and PrintTournamentPages of event e's knock-out.
  void print(int e, const QString& keishiki, int pageCount = 1);

  std::vector<PrintedText> texts() const;
  std::vector<PrintedLine> lines() const;
  // The first text equal to s; empty when none.
  std::optional<PrintedText> find(const QString& s) const;
  int countTexts(const QString& s) const;
  // Is the text printed with its first character at (x, y)?
  bool hasText(const QString& s, double x, double y) const;

  TestProgram tp;
  RecordingSurface surface{kPixelsPerMm};
  TournamentChartState state;
  AreaRect box{20, 190, 20, 280};  // the chart's box, millimetres
};

}  // namespace qv::test
