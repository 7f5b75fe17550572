// A real print queue: the sample's first layout page printed through QPrinter to a CUPS
// queue with the cups-pdf back end, whose output file must appear with the page count of
// the run. Prints through the queue that scripts/setup adds ("PDF") or any other cups-pdf
// queue; without one, through a queue of its own for the test's length. Runs where a CUPS
// scheduler runs or can be started here; skipped otherwise.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include "app/CurrentPrinter.h"
#include "app/PrintRun.h"
#include "platform/TextFile.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

namespace qv::test {
namespace {

const QString kOwnQueue = QStringLiteral("QuorvaneTestPdf");
const QString kSetupQueue = QStringLiteral("PDF");

struct ToolResult {
  int code = -1;
  QString out;
};

ToolResult runTool(const QString& tool, const QStringList& args) {
  QProcess p;
  // The CUPS tools' words are read below: in English whatever the machine's locale.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  p.setProcessEnvironment(env);
  p.start(tool, args);
  if (!p.waitForFinished(30000)) return {};
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

bool schedulerRunning() { return runTool("lpstat", {"-r"}).out.contains("scheduler is running"); }

// The queue that prints through cups-pdf, the one scripts/setup adds first; empty: none.
QString cupsPdfQueue() {
  QStringList queues;
  const QRegularExpression device(QStringLiteral("^device for (\\S+): cups-pdf:/"),
                                  QRegularExpression::MultilineOption);
  const ToolResult listed = runTool("lpstat", {"-v"});
  for (auto it = device.globalMatch(listed.out); it.hasNext();) queues << it.next().captured(1);
  if (queues.contains(kSetupQueue)) return kSetupQueue;
  return queues.value(0);
}

// Where cups-pdf writes the jobs of this user.
QString cupsPdfFolder() {
  QString out = QStringLiteral("${HOME}/PDF");
  for (const QString& line : platform::readTextLines("/etc/cups/cups-pdf.conf").value_or(QStringList()))
    if (line.startsWith("Out ")) out = line.mid(4).trimmed();
  return out.replace("${HOME}", QDir::homePath());
}

class CupsPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"cupsd", "lpadmin", "lpstat", "lpinfo", "pdfinfo"})
      if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
        GTEST_SKIP() << tool << " not installed (scripts/setup installs CUPS and cups-pdf)";
    if (!schedulerRunning()) {
      // No scheduler (a container without a service manager): start one for this test.
      cupsd_.start("cupsd", {"-f"});
      started_ = cupsd_.waitForStarted(5000);
      QElapsedTimer t;
      t.start();
      while (started_ && !schedulerRunning() && t.elapsed() < 10000) QThread::msleep(100);
      if (!started_ || !schedulerRunning())
        GTEST_SKIP() << "no CUPS scheduler could be started here: "
                     << QString::fromUtf8(cupsd_.readAllStandardError()).toStdString();
    }
    queue_ = cupsPdfQueue();
    if (!queue_.isEmpty()) return;
    const QString models = runTool("lpinfo", {"-m"}).out;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\S*CUPS-PDF_noopt\\.ppd)"), QRegularExpression::MultilineOption)
            .match(models);
    if (!m.hasMatch()) GTEST_SKIP() << "the cups-pdf back end is not installed";
    const ToolResult added = runTool("lpadmin", {"-p", kOwnQueue, "-E", "-v", "cups-pdf:/", "-m", m.captured(1)});
    if (added.code != 0) GTEST_SKIP() << "no queue could be added: " << added.out.toStdString();
    queue_ = kOwnQueue;
    queueAdded_ = true;
  }
  void TearDown() override {
    if (queueAdded_) runTool("lpadmin", {"-x", kOwnQueue});
    if (started_) {
      cupsd_.terminate();
      if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
    }
  }

  TestProgram tp;
  QProcess cupsd_;
  QString queue_;
  bool started_ = false;
  bool queueAdded_ = false;
};

TEST_F(CupsPrintTest, FirstLayoutPageReachesTheQueue) {
  ASSERT_TRUE(CopySampleData(tp.folder() + "data"));
  ASSERT_TRUE(LoadSampleTournament(tp.program, tp.folder() + "data"));
  tp.program.programFolder = tp.folder();
  InsatsuSeigyoRec& layout = tp.program.insatsu.InsatsuSeigyo;
  for (int i = 0; i < layout.PageCount; ++i) layout.Pages[static_cast<size_t>(i)].Selected = i == 0;

  CurrentPrinter printer;
  printer.selectPrinter(queue_);
  const QString title = QStringLiteral("quorvane-test-%1").arg(QCoreApplication::applicationPid());
  printer.printer().setDocName(title);
  printer.setPaper(layout.PaperName, layout.PaperOrientation);
  {
    PrintJob job(printer, tp.program.device);
    PrintSelected(tp.program);
  }
  const int sheets = tp.program.run.InsatsuPageCount;
  ASSERT_EQ(sheets, 1);
  ASSERT_EQ(tp.messages.shown.back().text, "１頁印刷しました");

  // The back end writes the file once the job has gone through the queue.
  const QDir out(cupsPdfFolder());
  QString file;
  QElapsedTimer t;
  t.start();
  while (file.isEmpty() && t.elapsed() < 60000) {
    for (const QFileInfo& f : out.entryInfoList({title + "*.pdf"}, QDir::Files))
      if (f.size() > 0 && runTool("pdfinfo", {f.filePath()}).code == 0) file = f.filePath();
    if (file.isEmpty()) QThread::msleep(200);
  }
  ASSERT_FALSE(file.isEmpty()) << "no output in " << out.path().toStdString() << "\n"
                               << runTool("lpstat", {"-W", "all", "-o"}).out.toStdString();
  const QString info = runTool("pdfinfo", {file}).out;
  QFile::remove(file);
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(sheets))))
      << info.toStdString();
}

}  // namespace
}  // namespace qv::test
