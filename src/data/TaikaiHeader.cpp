// The header-only read of a tournament.

#include "data/TaikaiHeader.h"

#include "data/FatalRead.h"
#include "data/Model.h"
#include "data/Taikai.h"
#include "data/TaikaiData.h"
#include "data/TaikaiFile.h"
#include "data/TeamFileReader.h"
#include "platform/Blanks.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/Numbers.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

// [<event name>],<abbreviation>: the team event whose definitions follow.
void readDanSection(teamfile::Reader& r) {
  const QString field0 = r.line.section(QChar(','), 0, 0);
  const QString name = field0.size() >= 2 ? field0.mid(1, field0.size() - 2) : QString();
  auto& events = r.model.team.TeamShumokus;
  r.event = -1;
  for (size_t i = 0; i < events.size(); ++i) {
    if (events[i].Meishou == name) {
      r.event = static_cast<int>(i);
      break;
    }
  }
  if (r.event < 0)
    FatalDataFileMsg(r.model, r.path, QStringLiteral("団体戦種目名が見つかりません ") + name, {},
                     teamfile::kFatalIcon);
  TeamShumokuRec& ev = r.currentEvent();
  ev.Ryakugou = r.line.section(QChar(','), 1, 1);
  ev.KouseiCount = 0;
  ev.Kousei.clear();
  ev.Kubun = TeamKubunRec{};
  ev.BlockCount = 0;
  ev.Blocks.clear();
}

// 区分=: as the full reader reads it, but the slot counts stay as the file gives them.
void readDanKubun(teamfile::Reader& r, const QStringList& fields) {
  std::vector<int> asRead = r.currentEvent().Kubun.SlotCount;
  if (!teamfile::readKubun(r, fields)) return;
  const auto slot = platform::strictWholeNumber(fields.value(fields.size() == 3 ? 2 : 3));
  asRead.push_back(slot.value_or(0));
  r.currentEvent().Kubun.SlotCount = std::move(asRead);
}

}  // namespace

void ReadDanFile(Model& model) {
  const QString path = platform::joinPath(
      model.taikai.DataFolder, SideFileName(model.taikai.TaikaiFileName, QStringLiteral("dan")));
  if (!platform::fileExists(path)) return;
  teamfile::Reader r(model, path);
  const auto lines = platform::readTextLines(path);
  if (!lines)
    FatalDataFileMsg(r.model, path, QStringLiteral("読み込めません"), {}, teamfile::kFatalIcon);
  platform::warnUndecodable(model.messages, path, *lines);
  model.kekka.HozonJikoku.clear();

  const QString hozonKey = QStringLiteral("保存時刻=");
  for (const QString& line : *lines) {
    ++r.lineNumber;
    r.line = line;
    if (platform::trimBlanks(line).isEmpty() || line.startsWith(QChar('*'))) continue;
    if (line.startsWith(QChar('!'))) break;
    if (line.startsWith(QChar('['))) {
      readDanSection(r);
    } else if (line.startsWith(hozonKey)) {
      model.kekka.HozonJikoku = line.mid(hozonKey.size());
    } else if (r.event < 0) {
      FatalDataFileMsg(r.model, path, QStringLiteral("団体戦種目名が記述されていません "), {},
                       teamfile::kFatalIcon);
    } else if (line.startsWith(QStringLiteral("構成種目="))) {
      teamfile::readKousei(r, line.split(QChar(',')));
    } else if (line.startsWith(QStringLiteral("区分="))) {
      readDanKubun(r, line.split(QChar(',')));
    }
  }
  for (TeamShumokuRec& ev : model.team.TeamShumokus) {
    if (ev.BlockCount != 0) continue;
    TeamBlockRec block;
    block.Meishou = ev.Meishou;
    ev.Blocks.assign(1, block);
    ev.BlockCount = 1;
  }
}

bool ReadTaikaiShogen(Model& model, const QString& fileName) {
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
  ResetTournament(model);
  t.TaikaiFileName = fileName;
  if (reader->lines().isEmpty())
    FatalDataFileMsg(model, QStringLiteral("大会参加者読み込み"), path);
  TaikaiDataFile file{path, std::move(*reader), {}, 0, {}};

  QString line = file.reader.readLine();
  while (line != TaikaiFileEof()) {
    if (line == QStringLiteral("【大会データ】")) {
      line = ReadTaikaiData(model, file);
    } else if (line == QStringLiteral("【種目別参加者名簿】") ||
               line == QStringLiteral("【申込団体別参加者名簿】") ||
               line == QStringLiteral("【団体別参加者名簿】")) {
      line = TaikaiFileEof();
    } else if (file.reader.atEnd()) {
      FatalDataFileMsg(model, QStringLiteral("Quorvaneデータではありません"), path);
    } else {
      line = file.reader.readLine();
    }
  }
  if (!t.Taikai.Shumoku.empty()) t.Taikai.Shumoku.front().SankashaOffset = 0;
  if (model.team.TeamShumokuCount >= 1) ReadDanFile(model);
  return true;
}

}  // namespace qv
