// Opening a tournament: the data file's passes, its section dispatch and the completion of
// the entries.

#include "data/TaikaiFile.h"

#include "data/FatalRead.h"
#include "data/Furigana.h"
#include "data/Model.h"
#include "data/SankashaLists.h"
#include "data/Taikai.h"
#include "data/TaikaiData.h"
#include "data/TeamFile.h"
#include "platform/Blanks.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

// Each pass builds the events and everything hanging off them from nothing.
void clearEvents(Model& model) {
  TaikaiState& t = model.taikai;
  t.Shokaisens.clear();
  t.Shozoku.clear();
  t.Taikai.Shumoku.clear();
  t.Taikai.ShumokuCount = 0;
  t.JudgeShumoku.clear();
  model.team.TeamShumokus.clear();
  model.team.TeamShumokuCount = 0;
}

// The entries' offsets among all events, and the order within affiliation runs: the first
// entry of a run of two or more keeps 1, an entry alone in its run gets 0.
void completeEntries(TaikaiRec& taikai) {
  int offset = 0;
  for (ShumokuRec& event : taikai.Shumoku) {
    event.SankashaOffset = offset;
    offset += event.SankashaCount;
    auto& entries = event.Sankasha;
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].ShozokuNaiJun != 1) continue;
      const bool runGoesOn = i + 1 < entries.size() && entries[i + 1].ShozokuNaiJun != 1;
      if (!runGoesOn) entries[i].ShozokuNaiJun = 0;
    }
  }
}

}  // namespace

void ResetTournament(Model& model) {
  TaikaiState& t = model.taikai;
  clearEvents(model);
  t.Taikai = TaikaiRec{};
  t.sw = TaikaiSwitches{};
  t.NitteiFileName.clear();
  t.TaikaiFileName.clear();
  t.RewriteNeeded = false;
  t.TournamentFirstDrawNo = 0;
  model.team = TeamState{};
  // Schedule, draw lots and dictionary belong to the tournament: the next one loads its own.
  model.nittei = NitteiState{};
  model.cyusen = CyusenState{};
  model.senshuJisho = SenshuJishoState{};
}

int ReadTaikaiSections(Model& model, TaikaiDataFile& file) {
  int regroupCount = 0;
  QString line = file.reader.readLine();
  while (line != TaikaiFileEof()) {
    if (line == QStringLiteral("【大会データ】")) {
      line = ReadTaikaiData(model, file);
    } else if (line == QStringLiteral("【種目別参加者名簿】")) {
      line = ReadShumokuSankasha(model, file);
    } else if (line == QStringLiteral("【申込団体別参加者名簿】")) {
      line = ReadMoushikomiSankasha(model, file, regroupCount);
    } else if (line == QStringLiteral("【団体別参加者名簿】")) {
      // Not read here; a rewrite carries it through unchanged.
      file.kept.tailLines.append(line);
      while (!file.reader.atEnd()) file.kept.tailLines.append(file.reader.readLine());
      line = TaikaiFileEof();
    } else if (file.reader.atEnd()) {
      FatalDataFileMsg(model, QStringLiteral("Quorvaneデータではありません"), file.path);
    } else {
      line = file.reader.readLine();
    }
  }
  return regroupCount;
}

bool ReadTaikaiFile(Model& model, const QString& fileName) {
  if (platform::trimBlanks(fileName).isEmpty()) return false;
  TaikaiState& t = model.taikai;
  const QString path = platform::joinPath(t.DataFolder, fileName);
  auto reader = platform::TextFileReader::open(path);
  if (!reader) {
    // The tournament open so far stays as it was.
    model.messages.warn(QStringLiteral("大会データファイルを読み込めません"), path);
    return false;
  }
  platform::warnUndecodable(model.messages, path, reader->lines());
  ResetTournament(model);  // also the numbering switches and the affiliation column

  bool rewritten = false;
  for (int pass = 1; pass <= 2; ++pass) {
    if (pass > 1) {
      reader = platform::TextFileReader::open(path);
      if (!reader) {
        model.messages.warn(QStringLiteral("大会データファイルを読み込めません"), path);
        break;  // keep what the first pass read
      }
    }
    clearEvents(model);
    t.TaikaiFileName = fileName;
    if (reader->lines().isEmpty()) {
      FatalDataFileMsg(model, QStringLiteral("大会参加者読み込み"), path);
    }
    TaikaiDataFile file{path, std::move(*reader), {}, 0, {}};
    const int regroupCount = ReadTaikaiSections(model, file);
    if (regroupCount < 1) break;

    t.RewriteNeeded = true;
    const bool written = WriteTaikaiFile(model, fileName, file.kept, rewritten);
    t.RewriteNeeded = false;
    // A failed rewrite leaves the file as it was: go on with what was just read.
    if (!written || pass == 2) break;
    rewritten = true;
  }

  completeEntries(t.Taikai);
  if (model.team.TeamShumokuCount >= 1) ReadTeamFile(model);
  t.RewriteNeeded = false;
  ReadFuriganaFile(model);
  return true;
}

}  // namespace qv
