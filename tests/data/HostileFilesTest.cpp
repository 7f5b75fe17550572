// Small files that ask for huge layouts: each case is the sample tournament with one file
// changed, opened in a child process under a memory limit and timed. Opening must stay
// within 256 MB and (in a release build) one second, with a warning for what was refused.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "data/LeagueResults.h"
#include "platform/ProgramEnd.h"
#include "platform/TextFile.h"
#include "program/Program.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

#if defined(__SANITIZE_ADDRESS__)
#define QV_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_UNDER_ASAN 1
#endif
#endif

namespace qv::test {
namespace {

constexpr long long kMiB = 1024 * 1024;
constexpr long long kMemoryGoal = 256 * kMiB;

#if defined(QV_UNDER_ASAN)
// The sanitizer keeps freed memory in quarantine and pads every block, so the resident
// growth is measured against a wider bound; the address-space limit leaves room for the
// allocator's own mappings.
constexpr long long kRssBound = 768 * kMiB;
constexpr long long kAddressHeadroom = 2048 * kMiB;
constexpr double kSecondsBound = 8.0;
#elif !defined(NDEBUG)
constexpr long long kRssBound = kMemoryGoal;
constexpr long long kAddressHeadroom = kMemoryGoal;
constexpr double kSecondsBound = 3.0;
#else
constexpr long long kRssBound = kMemoryGoal;
constexpr long long kAddressHeadroom = kMemoryGoal;
constexpr double kSecondsBound = 1.0;
#endif

// A figure of /proc/self/status in bytes ("VmRSS", "VmHWM", "VmSize"); -1 when missing.
long long statusBytes(const char* key) {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray prefix = QByteArray(key) + ':';
  for (const QByteArray& line : f.readAll().split('\n')) {
    if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
  }
  return -1;
}

struct Outcome {
  int status = -1;           // 0 when the child opened the tournament and reported
  long long peakGrowth = 0;  // bytes of resident memory above the start
  double seconds = 0;
  int warnings = 0;
};

// Opens the tournament of dataFolder in a child process limited to its present address
// space plus the headroom, and reports what it took.
Outcome openInChild(const QString& dataFolder) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    const long long size = statusBytes("VmSize");
    const rlimit limit{static_cast<rlim_t>(size + kAddressHeadroom), static_cast<rlim_t>(size + kAddressHeadroom)};
    ::setrlimit(RLIMIT_AS, &limit);
    if (QFile clear(QStringLiteral("/proc/self/clear_refs")); clear.open(QIODevice::WriteOnly)) clear.write("5");
    const long long start = statusBytes("VmRSS");
    Outcome o;
    const auto t0 = std::chrono::steady_clock::now();
    try {
      TestProgram tp;
      if (LoadSampleTournament(tp.program, dataFolder)) MakeAllLeagueResults(tp.program);
      o.warnings = static_cast<int>(tp.messages.shown.size());
    } catch (const platform::ProgramEnd& end) {
      std::fprintf(stderr, "ended: %s %s\n", qPrintable(end.title()), qPrintable(end.message()));
      o.warnings = -1;
    } catch (const std::bad_alloc&) {
      ::_exit(3);
    }
    o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    o.peakGrowth = statusBytes("VmHWM") - start;
    o.status = 0;
    const bool written = ::write(fds[1], &o, sizeof o) == static_cast<ssize_t>(sizeof o);
    ::_exit(written ? 0 : 4);
  }
  ::close(fds[1]);
  Outcome o;
  const bool read = pid > 0 && ::read(fds[0], &o, sizeof o) == static_cast<ssize_t>(sizeof o);
  ::close(fds[0]);
  int status = 0;
  if (pid > 0) ::waitpid(pid, &status, 0);
  if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0) o.status = pid > 0 ? status : -1;
  return o;
}

// Inserts the lines before the first line that equals at (after it with after set).
bool insertLines(QStringList& lines, const QString& at, const QStringList& added, bool after) {
  const qsizetype i = lines.indexOf(at);
  if (i < 0) return false;
  for (qsizetype k = 0; k < added.size(); ++k) lines.insert(i + (after ? 1 : 0) + k, added[k]);
  return true;
}

// Inserts the lines after the first line equal to at that follows the line start.
bool insertAfter(QStringList& lines, const QString& start, const QString& at, const QStringList& added) {
  const qsizetype s = lines.indexOf(start);
  const qsizetype i = s < 0 ? -1 : lines.indexOf(at, s);
  if (i < 0) return false;
  for (qsizetype k = 0; k < added.size(); ++k) lines.insert(i + 1 + k, added[k]);
  return true;
}

// Replaces the first line equal to from that follows the line start.
bool replaceAfter(QStringList& lines, const QString& start, const QString& from, const QString& to) {
  const qsizetype s = lines.indexOf(start);
  const qsizetype i = s < 0 ? -1 : lines.indexOf(from, s);
  if (i < 0) return false;
  lines[i] = to;
  return true;
}

QStringList repeated(const QStringList& group, int times) {
  QStringList out;
  for (int i = 0; i < times; ++i) out += group;
  return out;
}

struct HostileCase {
  const char* name;
  const char* ext;  // the file changed: "kai" results, "dan" team file
  std::function<bool(QStringList&)> change;
};

const QString kWomen = QStringLiteral("[一般女子シングルス],WS");
const QString kMenTeam = QStringLiteral("[一般男子団体],MT");
const QString kYosen = QStringLiteral("予選リーグ=予選リーグ");

std::vector<HostileCase> hostileCases() {
  return {
      {"LeagueBlockOf65536Singles", "kai",
       [](QStringList& l) { return replaceAfter(l, kWomen, "参加者数=4", "参加者数=65536"); }},
      {"LeagueBlockOf65536Teams", "kai",
       [](QStringList& l) { return replaceAfter(l, kMenTeam, "参加者数=3", "参加者数=65536"); }},
      {"Blocks250Of65536Matches", "kai",
       [](QStringList& l) {
         return insertAfter(l, kWomen, kYosen, repeated({"ブロック=Z", "試合数=65536"}, 250));
       }},
      {"TeamBlocks60Of65536Ties", "kai",
       [](QStringList& l) {
         return insertLines(l, kYosen, repeated({"ブロック=Z", "試合数=65536"}, 60), true);
       }},
      {"Tournaments150Of65536", "kai",
       [](QStringList& l) {
         return insertLines(l, kWomen,
                            repeated({"トーナメント=T", "組合せ数=65536", "ポイント数=21"}, 150), false);
       }},
      {"FirstRoundShapes2500Of65536", "kai",
       [](QStringList& l) {
         return insertLines(l, kWomen, QStringList{"トーナメント=T"} + repeated({"初回戦=1,17"}, 2500),
                            false);
       }},
      // Per-file totals: each line within its own limit, the file far beyond a tournament.
      {"FullBlocksFillingAMegabyte", "kai",
       [](QStringList& l) {
         return insertLines(l, kYosen, repeated({"ブロック=Z", "参加者数=100", "試合数=9900"}, 22000), true);
       }},
      {"LargestDrawsFillingAMegabyte", "kai",
       [](QStringList& l) {
         return insertLines(l, kWomen, repeated({"トーナメント=T", "組合せ数=1024", "ポイント数=21"}, 20000),
                            false);
       }},
      {"TeamFileMembersAtTheCap", "dan",
       [](QStringList& l) {
         return replaceAfter(l, kMenTeam, "区分=選手,111,7,7", "区分=選手,111,9919,7") &&
                insertLines(l, "団体,青葉クラブＡ", repeated({"団体,青葉クラブＡ"}, 5000), false);
       }},
  };
}

class HostileFile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileFile, OpensWithinMemoryAndTime) {
  const HostileCase& c = GetParam();
  QTemporaryDir dir;
  const QString folder = dir.path() + "/data/";
  ASSERT_TRUE(CopySampleData(folder));
  const QString path = folder + QStringLiteral("青葉市民大会.") + QString::fromLatin1(c.ext);
  auto lines = platform::readTextLines(path);
  ASSERT_TRUE(lines);
  ASSERT_TRUE(c.change(*lines)) << "the sample no longer has the lines this case changes";
  ASSERT_TRUE(platform::writeTextLines(path, *lines));
  ASSERT_LT(QFile(path).size(), 1024 * kMiB / 1024);  // under 1 MB

  const Outcome o = openInChild(folder);
  ASSERT_EQ(o.status, 0) << "the open failed (out of memory or ended): status " << o.status;
  EXPECT_LT(o.peakGrowth, kRssBound) << o.peakGrowth / kMiB << " MiB";
  EXPECT_LT(o.seconds, kSecondsBound);
  EXPECT_GE(o.warnings, 1) << "a refused line is reported";
  std::printf("[ measured ] %s: %.3f s, %lld MiB\n", c.name, o.seconds, o.peakGrowth / kMiB);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileFile, ::testing::ValuesIn(hostileCases()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace qv::test
