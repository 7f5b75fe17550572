// The program's start-up up to its main window, on the sample tournament named on the
// command line: the window is built and loaded offscreen (selection window left with
// キャンセル), then the program ends.
//   startup_bench                      one start-up, nothing printed (what is measured)
//   startup_bench --compare REFERENCE  counts the instructions of one start-up under callgrind,
//                                      here and in REFERENCE, and prints their ratio
// REFERENCE is a sample_pages executable of another build (today's commit built beside this
// one): "sample_pages DIR startup" starts the main window the same way and stops at the
// command it does not know. This build's sample_pages is counted too, with the same
// arguments, so that the two sides are also compared as the same program.

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

#include "StartupFixture.h"

namespace {

int startOnce() {
  qv::test::StartupFixture f;
  f.env.arguments = {f.sampleTai()};
  f.start();
  return 0;
}

// The instructions callgrind counts for one run of program with arguments; nothing when the
// run could not be measured.
std::optional<double> instructions(const QString& program, const QStringList& arguments) {
  const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
  if (valgrind.isEmpty()) return std::nullopt;
  QTemporaryDir dir;
  QProcess run;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  run.setProcessEnvironment(env);
  run.start(valgrind, QStringList{QStringLiteral("--tool=callgrind"),
                                  QStringLiteral("--callgrind-out-file=") + dir.path() +
                                      QStringLiteral("/out"),
                                  program} +
                          arguments);
  if (!run.waitForFinished(600000)) return std::nullopt;
  const QString log = QString::fromLocal8Bit(run.readAllStandardError());
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("Collected : (\\d+)")).match(log);
  if (!m.hasMatch()) return std::nullopt;
  return m.captured(1).toDouble();
}

int compare(const QString& reference) {
  QTemporaryDir out;
  const QString self = QCoreApplication::applicationFilePath();
  const QString samplePages =
      QCoreApplication::applicationDirPath() + QStringLiteral("/sample_pages");
  const QStringList pagesArgs{out.path(), QStringLiteral("startup")};
  const std::optional<double> here = instructions(self, {});
  const std::optional<double> hereSample = instructions(samplePages, pagesArgs);
  const std::optional<double> ref = instructions(reference, pagesArgs);
  if (!here || !hereSample || !ref) {
    std::fprintf(stderr, "startup_bench: a run could not be measured (valgrind missing?)\n");
    return 1;
  }
  std::printf("start-up to the main window, instructions (callgrind)\n");
  std::printf("  reference sample_pages: %12.0f\n", *ref);
  std::printf("  this sample_pages:      %12.0f  ratio %.3f\n", *hereSample, *hereSample / *ref);
  std::printf("  startup_bench:          %12.0f  ratio %.3f\n", *here, *here / *ref);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty()) return startOnce();
  if (args.size() == 2 && args[0] == QStringLiteral("--compare")) return compare(args[1]);
  std::fprintf(stderr, "usage: startup_bench [--compare REFERENCE_SAMPLE_PAGES]\n");
  return 2;
}
