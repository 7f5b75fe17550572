// Opens the sample tournament with one of its files cut short or with bytes changed, and
// uses what was read: every reader must end in a message or its own rule, never a crash or
// an out-of-range read (the sanitizers are on in tests).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

#include "data/Cyusen.h"
#include "data/LeagueResults.h"
#include "data/Nittei.h"
#include "data/SankashaRef.h"
#include "platform/ProgramEnd.h"
#include "program/Program.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

namespace qv::test {
namespace {

QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The damaged versions of one file: cut at evenly spaced points, and copies with a few
// bytes overwritten by ones that matter to the readers (separators, digits, lone lead
// bytes of a double-byte character, line ends).
std::vector<QByteArray> damagedVersions(const QByteArray& original) {
  std::vector<QByteArray> out;
  const int cuts = 24;
  for (int i = 0; i < cuts; ++i) out.push_back(original.left(original.size() * i / cuts + i % 3));
  static const char kBytes[] = {',', ':', '=', '-', '\n', '\r', '9', '\x81', '\x82', '\xFC',
                                '\x80', '\xA0', '[', '\xE3', '0', ' '};
  std::mt19937 rng(20261210);
  for (int i = 0; i < 24; ++i) {
    QByteArray b = original;
    if (b.isEmpty()) break;
    std::uniform_int_distribution<qsizetype> pos(0, b.size() - 1);
    std::uniform_int_distribution<int> pick(0, sizeof kBytes - 1);
    for (int k = 0; k < 1 + i % 6; ++k) b[pos(rng)] = kBytes[pick(rng)];
    out.push_back(b);
  }
  return out;
}

// Opens the tournament and touches everything the printers would read of it.
void openAndUse(const QString& dataFolder) {
  TestProgram tp;
  Program& p = tp.program;
  try {
    if (!LoadSampleTournament(p, dataFolder)) return;
    MakeAllLeagueResults(p);
    for (int e = 0; e < static_cast<int>(p.taikai.Taikai.Shumoku.size()); ++e) {
      const ShumokuRec& ev = p.taikai.Taikai.Shumoku[static_cast<std::size_t>(e)];
      SankashaRefContext refs{e, -1, QString()};
      for (int s = 0; s < static_cast<int>(ev.Sankasha.size()); ++s) {
        refs.SankashaIndex = s;
        ResolveSankashaRef(p, refs, ev.Sankasha[static_cast<std::size_t>(s)].Name);
      }
      for (const QString& ref : {ev.Ryakugou + ":A-1", ev.Ryakugou + ":1", ev.Ryakugou + ":W3",
                                 ev.Ryakugou + ":L2"})
        ResolveSankashaRef(p, refs, ref);
      FindNitteiIndex(p.nittei, ev.Ryakugou, 1);
      ReadCyusenFileIfEmpty(p);
      FindCyusen(p.cyusen, ev.Ryakugou, 3);
    }
  } catch (const platform::ProgramEnd&) {
    // A fatal data message: the program would end here, after the message.
  }
}

class DamagedSampleFile : public ::testing::TestWithParam<const char*> {};

TEST_P(DamagedSampleFile, EveryVersionOpensOrEndsWithAMessage) {
  QTemporaryDir dir;
  const QString folder = dir.path() + "/data/";
  ASSERT_TRUE(CopySampleData(folder));
  const QString path = folder + QString::fromUtf8(GetParam());
  const QByteArray original = readBytes(path);
  ASSERT_FALSE(original.isEmpty()) << GetParam();
  for (const QByteArray& version : damagedVersions(original)) {
    ASSERT_TRUE(CopySampleData(folder));  // the rewrite may have changed the data file
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(version);
    f.close();
    openAndUse(folder);
  }
}

INSTANTIATE_TEST_SUITE_P(SampleFiles, DamagedSampleFile,
                         ::testing::Values("青葉市民大会.tai", "青葉市民大会.dan", "青葉市民大会.kan",
                                           "青葉市民大会.kai", "青葉市民大会日程.csv",
                                           "青葉市民大会.csn"),
                         [](const auto& param) { return "File" + std::to_string(param.index); });

}  // namespace
}  // namespace qv::test
