#include "support/SampleTournament.h"

#include <QDir>
#include <QFile>

#include "data/Kankyou.h"
#include "data/KekkaFile.h"
#include "platform/Files.h"
#include "platform/TextFile.h"
#include "program/OpenTaikai.h"
#include "program/Program.h"

namespace qv::test {

QString SampleProgramFolder() { return QStringLiteral(QUORVANE_SOURCE_DIR "/samples/program/"); }
QString SampleDataFolder() { return QStringLiteral(QUORVANE_SOURCE_DIR "/samples/data/"); }

bool CopySampleData(const QString& folder) {
  if (!QDir().mkpath(folder)) return false;
  const QDir from(SampleDataFolder());
  for (const QString& name : from.entryList(QDir::Files)) {
    if (!platform::copyFile(from.filePath(name), platform::joinPath(folder, name))) return false;
  }
  const QString kai = platform::joinPath(folder, KekkaFileName(SampleTaikaiFileName()));
  const auto lines = platform::readTextLines(kai);
  if (!lines) return true;
  for (const QString& line : *lines) {
    if (!line.startsWith(QStringLiteral("保存時刻="))) continue;
    const auto saved = ParseHozonJikoku(line.mid(5));
    QFile f(kai);
    return saved && f.open(QIODevice::ReadWrite) &&
           f.setFileTime(*saved, QFileDevice::FileModificationTime);
  }
  return true;
}

bool LoadSampleTournament(Program& program, const QString& dataFolder) {
  program.programFolder = SampleProgramFolder();
  ReadKankyouTeigi(program);
  program.taikai.DataFolder = platform::withTrailingSeparator(dataFolder);
  return OpenTaikai(program, SampleTaikaiFileName()) != OpenTaikaiResult::NotOpened;
}

}  // namespace qv::test
