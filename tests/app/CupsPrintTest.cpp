// A real print queue: the sample's first two layout pages printed through QPrinter to a
// CUPS queue, which must report the job done with the run's page count, the program's
// title and cups-pdf's title option. The queue is the test's own, under a name no other
// run shares (the process id), with cups-pdf's driver and /dev/null for its device, the
// one file device the scheduler always allows: the job goes through the same filters as
// on the user's cups-pdf queue and leaves no file anywhere. It is removed with its jobs
// even when an assertion fails; the user's queues and cups-pdf's folder must not change.
// Runs where a CUPS scheduler runs or can be started and a queue can be added (root, or a
// member of the scheduler's admin group); skipped otherwise.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <optional>
#include <unistd.h>
#include <vector>

#include "app/CurrentPrinter.h"
#include "app/PrintRun.h"
#include "platform/TextFile.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

namespace qv::test {
namespace {

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
  // Without a terminal, a tool that wants a password fails at once instead of asking.
  p.setChildProcessModifier([] { ::setsid(); });
  p.start(tool, args);
  if (!p.waitForFinished(30000)) return {};
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

bool schedulerRunning() { return runTool("lpstat", {"-r"}).out.contains("scheduler is running"); }

// Every job the scheduler keeps, on any queue, done or not: "queue-id".
QSet<QString> allJobs() {
  QSet<QString> jobs;
  for (const QString& line : runTool("lpstat", {"-W", "all", "-o"}).out.split('\n'))
    if (!line.isEmpty() && !line.front().isSpace()) jobs << line.section(' ', 0, 0);
  return jobs;
}

// The queues the scheduler has: "device for NAME: URI" lines.
QSet<QString> allQueues() {
  QSet<QString> queues;
  const QRegularExpression device(QStringLiteral("^device for (\\S+): "),
                                  QRegularExpression::MultilineOption);
  for (auto it = device.globalMatch(runTool("lpstat", {"-v"}).out); it.hasNext();)
    queues << it.next().captured(1);
  return queues;
}

// Where cups-pdf writes the jobs of this user.
QString cupsPdfFolder() {
  QString out = QStringLiteral("${HOME}/PDF");
  for (const QString& line :
       platform::readTextLines("/etc/cups/cups-pdf.conf").value_or(QStringList()))
    if (line.startsWith("Out ")) out = line.mid(4).trimmed();
  return out.replace("${HOME}", QDir::homePath()).replace("${USER}", qEnvironmentVariable("USER"));
}

// What a folder holds; nullopt: no such folder.
std::optional<QStringList> folderEntries(const QString& path) {
  const QDir dir(path);
  if (!dir.exists()) return std::nullopt;
  return dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The scheduler this test started because none ran (a container without a service
// manager); stopped at the end.
class OwnScheduler {
 public:
  bool start() {
    cupsd_.start("cupsd", {"-f"});
    if (!cupsd_.waitForStarted(5000)) return false;
    QElapsedTimer t;
    t.start();
    while (!schedulerRunning() && t.elapsed() < 10000) QThread::msleep(100);
    return schedulerRunning();
  }
  QString errors() { return QString::fromUtf8(cupsd_.readAllStandardError()); }
  ~OwnScheduler() {
    if (cupsd_.state() == QProcess::NotRunning) return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
  }

 private:
  QProcess cupsd_;
};

// A queue of the test's own; removed, with every job it holds or held, at the end.
class TemporaryQueue {
 public:
  TemporaryQueue(const QString& name, const QString& model) : name_(name) {
    const ToolResult added = runTool("lpadmin", {"-p", name, "-E", "-v", "file:///dev/null", "-m",
                                                 model, "-o", "printer-is-shared=false"});
    added_ = added.code == 0;
    error_ = added.out;
  }
  ~TemporaryQueue() {
    if (!added_) return;
    runTool("cancel", {"-a", "-x", name_});
    runTool("lpadmin", {"-x", name_});
  }
  TemporaryQueue(const TemporaryQueue&) = delete;
  TemporaryQueue& operator=(const TemporaryQueue&) = delete;

  bool added() const { return added_; }
  const QString& error() const { return error_; }

 private:
  QString name_;
  bool added_ = false;
  QString error_;
};

// The attributes of the queue's jobs, one map per job, as the scheduler reports them to
// the user who printed.
using JobAttributes = QMap<QString, QString>;

const char* const kGetJobs = R"({
  OPERATION Get-Jobs
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR name requesting-user-name $user
  ATTR keyword which-jobs all
  ATTR keyword requested-attributes job-id,job-name,job-state,job-impressions-completed,TitlePref
}
)";

std::vector<JobAttributes> queueJobs(const QString& queue, const QString& requestFile) {
  // The scheduler's local socket where it has one: it answers there even without a
  // network listener.
  const QString socket = QStringLiteral("/run/cups/cups.sock");
  const QString host = QFile::exists(socket) ? QString::fromLatin1(QUrl::toPercentEncoding(socket))
                                             : QStringLiteral("localhost");
  const ToolResult r = runTool(
      "ipptool", {"-tv", QStringLiteral("ipp://%1/printers/%2").arg(host, queue), requestFile});
  std::vector<JobAttributes> jobs;
  const QRegularExpression attribute(QStringLiteral("^\\s+(\\S+) \\([^)]*\\) = (.*)$"));
  bool inResponse = false;
  for (const QString& line : r.out.split('\n')) {
    if (line.contains("status-code =")) {
      inResponse = true;
      jobs.emplace_back();
    } else if (inResponse && line.contains("-- separator --")) {
      jobs.emplace_back();
    } else if (const QRegularExpressionMatch m = attribute.match(line);
               inResponse && m.hasMatch()) {
      jobs.back().insert(m.captured(1), m.captured(2));
    }
  }
  std::erase_if(jobs, [](const JobAttributes& j) { return !j.contains("job-id"); });
  return jobs;
}

bool finished(const JobAttributes& job) {
  const QString state = job.value("job-state");
  return state == "completed" || state == "aborted" || state == "canceled";
}

class CupsPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"cupsd", "lpadmin", "lpstat", "lpinfo", "cancel", "ipptool"})
      if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
        GTEST_SKIP() << tool << " not installed (scripts/setup installs CUPS and cups-pdf)";
    if (!schedulerRunning() && !scheduler_.emplace().start())
      GTEST_SKIP() << "no CUPS scheduler could be started here: "
                   << scheduler_->errors().toStdString();
    const QRegularExpressionMatch model =
        QRegularExpression(QStringLiteral("^(\\S*CUPS-PDF_opt\\.ppd)"),
                           QRegularExpression::MultilineOption)
            .match(runTool("lpinfo", {"-m"}).out);
    if (!model.hasMatch()) GTEST_SKIP() << "cups-pdf's driver is not installed";
    queueName_ = QStringLiteral("QuorvaneTest%1").arg(QCoreApplication::applicationPid());
    // Taken before the queue exists: whatever else gets a job from here on is a fault.
    queuesBefore_ = allQueues();
    jobsBefore_ = allJobs();
    pdfFolderBefore_ = folderEntries(cupsPdfFolder());
    queue_.emplace(queueName_, model.captured(1));
    if (!queue_->added())
      GTEST_SKIP() << "no queue could be added here: " << queue_->error().toStdString();
  }

  TestProgram tp;
  // Destroyed in reverse: the queue goes before the scheduler stops.
  std::optional<OwnScheduler> scheduler_;
  std::optional<TemporaryQueue> queue_;
  QString queueName_;
  QSet<QString> queuesBefore_;
  QSet<QString> jobsBefore_;
  std::optional<QStringList> pdfFolderBefore_;
};

TEST_F(CupsPrintTest, TwoLayoutPagesReachAQueueOfItsOwnAndNothingElse) {
  ASSERT_TRUE(CopySampleData(tp.folder() + "data"));
  ASSERT_TRUE(LoadSampleTournament(tp.program, tp.folder() + "data"));
  tp.program.programFolder = tp.folder();
  InsatsuSeigyoRec& layout = tp.program.insatsu.InsatsuSeigyo;
  for (int i = 0; i < layout.PageCount; ++i) layout.Pages[static_cast<size_t>(i)].Selected = i < 2;

  CurrentPrinter printer;
  printer.selectPrinter(queueName_);
  ASSERT_EQ(printer.deviceName(), queueName_);
  printer.setPaper(layout.PaperName, layout.PaperOrientation);
  {
    PrintJob job(printer, tp.program.device);
    PrintSelected(tp.program);
  }
  const int sheets = tp.program.run.InsatsuPageCount;
  ASSERT_EQ(sheets, 2);
  ASSERT_EQ(tp.messages.shown.back().text, "２頁印刷しました");

  const QString request = tp.folder() + "get-jobs.test";
  {
    QFile f(request);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kGetJobs);
  }
  std::vector<JobAttributes> jobs;
  QElapsedTimer t;
  t.start();
  do {
    jobs = queueJobs(queueName_, request);
    if (jobs.size() == 1 && finished(jobs[0])) break;
    QThread::msleep(200);
  } while (t.elapsed() < 60000);
  ASSERT_EQ(jobs.size(), 1u)
      << runTool("lpstat", {"-W", "all", "-o", queueName_}).out.toStdString();
  const JobAttributes& job = jobs[0];
  EXPECT_EQ(job.value("job-state").toStdString(), "completed");
  // The filters count the pages they pass on to the device.
  EXPECT_EQ(job.value("job-impressions-completed").toInt(), sheets);
  EXPECT_EQ(job.value("job-name").toStdString(), "Quorvane");
  // cups-pdf names the file after the job's title.
  EXPECT_EQ(job.value("TitlePref").toStdString(), "1");

  // Another run's queue may get jobs meanwhile; one that was there before must not.
  for (const QString& id : allJobs() - jobsBefore_)
    EXPECT_FALSE(queuesBefore_.contains(id.left(id.lastIndexOf('-'))))
        << "a job on a queue of the machine: " << id.toStdString();
  EXPECT_EQ(folderEntries(cupsPdfFolder()), pdfFolderBefore_)
      << "cups-pdf's folder changed: " << cupsPdfFolder().toStdString();
}

}  // namespace
}  // namespace qv::test
