// The sample's men's singles printed to a PDF and read back: every name in draw order.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

#include "charts/PrintTournament.h"
#include "data/PrintFilters.h"
#include "data/SplitSankasha.h"
#include "platform/QtPrintSurface.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

namespace qv::test {
namespace {

TEST(BracketPdfTest, SampleMensSinglesReadsBackInDrawOrder) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  TestProgram tp;
  Program& program = tp.program;
  ASSERT_TRUE(LoadSampleTournament(program));
  const auto& events = program.taikai.Taikai.Shumoku;
  const auto it = std::find_if(events.begin(), events.end(), [](const ShumokuRec& e) {
    return e.Name == QStringLiteral("一般男子シングルス");
  });
  ASSERT_NE(it, events.end());
  const int e = static_cast<int>(it - events.begin());

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("ms.pdf"));
  {
    QPdfWriter writer(pdf);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    platform::QtPrintSurface surface(writer);
    program.device.OpenPrint(surface, program.kankyou.InsatsuFont, program.programFolder);
    RyouikiRec region;  // one side
    ChartEnv env = program.chartEnv();
    PrintTournament(env, program.bracket, AreaRect{15, 195, 20, 285}, e, 0, region);
    program.device.ClosePrint();
  }
  QProcess p;
  p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(p.waitForFinished(30000));
  QString text = QString::fromUtf8(p.readAllStandardOutput());
  text.remove(QRegularExpression(QStringLiteral("\\s")));

  // The names of the leaves from the top.
  const TournamentRec& t = it->Tournaments.front();
  std::vector<std::pair<float, QString>> leaves;
  for (int k = t.SeedCount; k <= t.TaisenCount; ++k) {
    const TaisenRec& leaf = t.Taisens[static_cast<size_t>(k)];
    if (leaf.HyoujiLevel != 0 || leaf.Shousha < 0 || leaf.Shousha >= it->SankashaCount) continue;
    QString name = SplitSankasha3(program, CurrentChart{}, it->Sankasha[static_cast<size_t>(leaf.Shousha)].Name,
                                  QStringLiteral("並列")).name1;
    // A family name may begin with an external character, drawn from other characters:
    // the rest of the name identifies the player.
    name.remove(QRegularExpression(QStringLiteral("\\s")));
    name = name.mid(1);
    leaves.emplace_back(leaf.HyoujiIchi, name);
  }
  std::sort(leaves.begin(), leaves.end());
  ASSERT_EQ(leaves.size(), static_cast<size_t>(t.SankaCount));
  qsizetype from = 0;
  for (const auto& [row, name] : leaves) {
    const qsizetype at = text.indexOf(name, from);
    ASSERT_GE(at, 0) << qPrintable(name) << " at row " << row;
    from = at + name.size();
  }
}

}  // namespace
}  // namespace qv::test
