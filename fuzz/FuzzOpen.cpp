// One fuzz target per file the program reads. Each run puts the input in place of one file
// of a private copy of the sample tournament, opens the tournament the way the program
// does, and uses what was read the way the printers would: references, league tables, the
// schedule and draw-lots look-ups, and a recorded print of the page texts, the phrases and
// the external characters. The target's name says the reader: fuzz_<reader>.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <map>
#include <memory>

#include "data/Cyusen.h"
#include "data/InsatsuSeigyo.h"
#include "data/InsatsuUnits.h"
#include "data/Kankyou.h"
#include "data/KekkaFile.h"
#include "data/LeagueResults.h"
#include "data/Nittei.h"
#include "data/SankashaRef.h"
#include "data/TaikaiFile.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramEnd.h"
#include "print/RecordingSurface.h"
#include "program/Program.h"

namespace {

const QString kTaikaiFile = QStringLiteral("青葉市民大会.tai");

// The file each target replaces, and whether it lies in the program folder.
struct Reader {
  const char* name;
  bool programFolder;
  const char* file;
};
constexpr Reader kReaders[] = {
    {"config", true, "Quorvane.cfg"},       {"user", true, "User.dat"},
    {"data", false, "青葉市民大会.tai"},     {"team", false, "青葉市民大会.dan"},
    {"kana", false, "青葉市民大会.kan"},     {"results", false, "青葉市民大会.kai"},
    {"schedule", false, "青葉市民大会日程.csv"}, {"drawlots", false, "青葉市民大会.csn"},
    {"gaiji", true, "外字定義.txt"},         {"phrase", true, "定型文章.txt"},
};

class SilentMessages : public platform::MessageSink {
 public:
  platform::MsgAnswer show(const QString&, const QString&, platform::MsgIcon,
                           platform::MsgButtons buttons) override {
    return buttons == platform::MsgButtons::YesNo || buttons == platform::MsgButtons::YesNoCancel
               ? platform::MsgAnswer::Yes
               : platform::MsgAnswer::Ok;
  }
};

// The sample files, kept in memory and written back before every run: the open may
// rewrite the data file.
struct Sandbox {
  QTemporaryDir dir;
  QString programFolder;
  QString dataFolder;
  std::map<QString, QByteArray> files;  // path -> original bytes
  QString target;

  explicit Sandbox(const Reader& reader) {
    programFolder = dir.filePath(QStringLiteral("program")) + "/";
    dataFolder = dir.filePath(QStringLiteral("data")) + "/";
    keep(QStringLiteral(QUORVANE_SOURCE_DIR "/samples/program"), programFolder);
    keep(QStringLiteral(QUORVANE_SOURCE_DIR "/samples/data"), dataFolder);
    target = (reader.programFolder ? programFolder : dataFolder) + QString::fromUtf8(reader.file);
    if (!files.count(target)) qFatal("the sample has no %s", reader.file);
  }

  void keep(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files)) {
      QFile f(source.filePath(name));
      if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read the sample");
      files[to + name] = f.readAll();
    }
  }

  void reset(const QByteArray& input) const {
    for (const auto& [path, bytes] : files) {
      QFile f(path);
      if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        qFatal("cannot write the sandbox");
      f.write(path == target ? input : bytes);
    }
  }
};

// What a print run reads of the open tournament, recorded instead of drawn.
void printTexts(qv::Program& p) {
  qv::RecordingSurface surface;
  p.device.OpenPrint(surface, p.kankyou.InsatsuFont, p.programFolder);
  p.device.StartPrintDoc();  // reads the external characters
  for (int i = 0; i < qv::kBunshouItemSlots; ++i)
    if (p.bunshou.BunshouItemOn[static_cast<size_t>(i)])
      p.device.PrintLayoutItem(p.bunshou.BunshouItems[static_cast<size_t>(i)], p.textVars);
  for (const QString& text : p.bunshou.BunshouTexts)
    p.device.PrintStr(20, 20, 5, 5, 0, 0, text);
  QString gaiji;
  for (const auto& g : p.device.Gaiji) gaiji += g.Char + QStringLiteral("字");
  p.device.PrintStr(20, 40, 5, 5, 0, 100, gaiji);
  p.device.PrintStrCenter(20, 60, 5, 5, -1, gaiji);
  p.device.ClosePrint();
}

void openAndUse(const Sandbox& box) {
  SilentMessages messages;
  const platform::FixedClock clock(QDateTime(QDate(2026, 6, 14), QTime(9, 0)));
  qv::Program p(messages, clock, box.programFolder);
  try {
    qv::ReadKankyouTeigi(p);
    p.taikai.DataFolder = box.dataFolder;
    if (!qv::ReadTaikaiFile(p, kTaikaiFile)) return;
    qv::ResetInsatsuSeigyoForTournament(p);
    if (p.taikai.Taikai.ShumokuCount >= 1) qv::ReadKekkaFile(p);
    qv::MakeInsatsuUnitList(p);
    // As the tournament opens, the schedule is read once.
    if (!p.taikai.NitteiFileName.isEmpty()) qv::ReadNitteiFile(p);
    qv::MakeAllLeagueResults(p);
    for (int e = 0; e < static_cast<int>(p.taikai.Taikai.Shumoku.size()); ++e) {
      const qv::ShumokuRec& ev = p.taikai.Taikai.Shumoku[static_cast<size_t>(e)];
      qv::SankashaRefContext refs{e, -1, QString()};
      for (int s = 0; s < static_cast<int>(ev.Sankasha.size()); ++s) {
        refs.SankashaIndex = s;
        qv::ResolveSankashaRef(p, refs, ev.Sankasha[static_cast<size_t>(s)].Name);
      }
      for (const QString& ref : {ev.Ryakugou + ":A-1", ev.Ryakugou + ":1", ev.Ryakugou + ":3W",
                                 ev.Ryakugou + ":2L"})
        qv::ResolveSankashaRef(p, refs, ref);
      qv::FindNitteiIndex(p.nittei, ev.Ryakugou, 1);
      qv::ReadCyusenFileIfEmpty(p);
      qv::FindCyusen(p.cyusen, ev.Ryakugou, 3);
    }
    printTexts(p);
  } catch (const platform::ProgramEnd&) {
    // A fatal data message: the program ends here, after showing it.
  }
}

const Reader& chosenReader(const char* program) {
  const QString name = QFileInfo(QString::fromLocal8Bit(program)).fileName();
  for (const Reader& r : kReaders)
    if (name == QStringLiteral("fuzz_") + QLatin1String(r.name)) return r;
  qFatal("%s: the name does not say which reader to fuzz", program);
}

// Made on the first call (from LLVMFuzzerInitialize, which knows the program's name);
// removed at exit with its folder.
Sandbox& sandbox(const char* program = nullptr) {
  static Sandbox box(chosenReader(program));
  return box;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  sandbox((*argv)[0]);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sandbox().reset(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  openAndUse(sandbox());
  return 0;
}
