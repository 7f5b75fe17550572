// The team file reader: the line loop, section headers, sub-match definitions and
// member divisions, and the slot-count cap of the divisions.

#include "data/TeamFile.h"

#include <algorithm>
#include <cstdint>

#include "data/FatalRead.h"
#include "data/Model.h"
#include "data/Taikai.h"
#include "data/TeamFileReader.h"
#include "data/TeamModel.h"
#include "platform/Blanks.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/TextFile.h"

namespace qv {
namespace teamfile {

namespace {

// Far beyond any real team; keeps a damaged file from laying out huge member lists.
constexpr std::int64_t kMaxKubunTotal = 9920;

QString teamFilePath(const TaikaiState& taikai) {
  return platform::joinPath(taikai.DataFolder,
                            SideFileName(taikai.TaikaiFileName, QStringLiteral("dan")));
}

void readSection(Reader& r) {
  const QString field0 = r.line.section(QChar(','), 0, 0);
  const QString eventName = field0.size() >= 2 ? field0.mid(1, field0.size() - 2) : QString();
  TeamState& team = r.model.team;
  int found = -1;
  for (int i = 0; i < static_cast<int>(team.TeamShumokus.size()); ++i) {
    if (team.TeamShumokus.at(i).Meishou == eventName) {
      found = i;
      break;
    }
  }
  if (found < 0)
    FatalDataFileMsg(r.model, r.path, QStringLiteral("団体戦種目名が見つかりません ") + eventName,
                     {}, teamfile::kFatalIcon);
  r.event = found;
  TeamShumokuRec& ev = r.currentEvent();
  ev.Ryakugou = r.line.section(QChar(','), 1, 1);
  // A second section of the same event starts its definitions and stages afresh.
  ev.KouseiCount = 0;
  ev.Kousei.clear();
  ev.Kubun = TeamKubunRec{};
  ev.BlockCount = 0;
  ev.Blocks.clear();
  r.stage = -1;
  r.teamRefused = false;
}

// Every team event ends with at least one stage, so the tie sheets always find one.
void addMissingStages(TeamState& team) {
  for (TeamShumokuRec& ev : team.TeamShumokus) {
    if (ev.BlockCount != 0) continue;
    TeamBlockRec block;
    block.Meishou = ev.Meishou;
    ev.Blocks.assign(1, block);
    ev.BlockCount = 1;
  }
}

void readSectionLine(Reader& r) {
  const QStringList fields = r.line.split(QChar(','));
  const QString& line = r.line;
  if (line.startsWith(QStringLiteral("構成種目="))) {
    readKousei(r, fields);
  } else if (line.startsWith(QStringLiteral("区分="))) {
    readKubun(r, fields);
  } else if (line.startsWith(QStringLiteral("団体,"))) {
    readTeamLine(r, fields);
  } else if (line.startsWith(QStringLiteral("ブロック="))) {
    readBlock(r);
  } else if (line.startsWith(QStringLiteral("対戦="))) {
    readTaisen(r, fields);
  } else if (r.teamRefused) {
    return;  // a line-up, member or reading line of a team that was not laid out
  } else if (line.startsWith(QStringLiteral("オーダー="))) {
    readOrder(r, fields);
  } else if (fields[0] == QStringLiteral("ふりがな")) {
    readMemberTexts(r, fields, true);
  } else if (fields[0] == QStringLiteral("付加")) {
    readMemberTexts(r, fields, false);
  } else {
    readMembers(r, fields);
  }
}

}  // namespace

TeamShumokuRec& Reader::currentEvent() {
  return model.team.TeamShumokus.at(static_cast<std::size_t>(event));
}

TeamSankashaRec* Reader::currentTeam() {
  if (event < 0 || team < 0) return nullptr;
  auto& teams = currentEvent().Teams;
  return team < static_cast<int>(teams.size()) ? &teams.at(team) : nullptr;
}

void Reader::refuse(ReadLimit limit) { limits.refuse(model.messages, limit, lineNumber, line); }

// 構成種目=<name>,<label>,<text3>,<kind>,<rule>
bool readKousei(Reader& r, const QStringList& fields) {
  TeamShumokuRec& ev = r.currentEvent();
  if (ev.KouseiCount >= kMaxKousei) {
    r.refuse(ReadLimit::Kousei);
    return false;
  }
  KouseiShumokuRec k;
  k.Meishou = fields.value(0).mid(QStringLiteral("構成種目=").size());
  k.Hyouji = fields.value(1);
  k.Text3 = fields.value(2);
  k.Kind = fields.value(3);
  k.Rule = fields.value(4);
  k.Index = ev.KouseiCount;
  ev.Kousei.push_back(k);
  ev.KouseiCount = static_cast<int>(ev.Kousei.size());
  r.team = -1;
  r.teamRefused = false;
  return true;
}

// 区分=<name>,<mask>,<max>,<slots>, or without the mask: every sub-match defined so far.
bool readKubun(Reader& r, const QStringList& fields) {
  TeamShumokuRec& ev = r.currentEvent();
  if (ev.Kubun.Count >= kMaxKubun) {
    r.refuse(ReadLimit::Kubun);
    return false;
  }
  const bool noMask = fields.size() == 3;
  const QString mask = noMask ? QString(ev.KouseiCount, QChar('1')) : fields.value(1);
  const auto maxCount = platform::strictWholeNumber(fields.value(noMask ? 1 : 2));
  const auto slotCount = platform::strictWholeNumber(fields.value(noMask ? 2 : 3));
  if (!maxCount || !slotCount || *maxCount < 0) {
    FatalDataFileMsg(r.model, r.path, QStringLiteral("区分の人数が正しくありません"), r.place(),
                     teamfile::kFatalIcon);
  }
  TeamKubunRec& kubun = ev.Kubun;
  kubun.Names.append(fields.value(0).mid(QStringLiteral("区分=").size()));
  kubun.Labels.append(mask);
  kubun.MaxCount.push_back(*maxCount);
  kubun.MaxCount2.push_back(*maxCount);
  kubun.SlotCount.push_back(*slotCount);
  kubun.Count = static_cast<int>(kubun.Names.size());

  // Divisions that play no sub-match (a team manager) do not count towards the total.
  const QString noPlay(ev.KouseiCount, QChar('0'));
  std::int64_t playing = 0;
  std::int64_t all = 0;
  for (int i = 0; i < kubun.Count; ++i) {
    const auto n = kubun.MaxCount.at(i);
    all += n;
    if (kubun.Labels[i] != noPlay) playing += n;
  }
  AdjustTeamWaku(kubun);
  if (playing > 9920) {
    FatalDataFileMsg(r.model, QStringLiteral("種目＝%1　最大枠＝%2").arg(ev.Meishou).arg(playing),
                     QStringLiteral("団体戦の出場選手数が20人を超えているため処理できません"), {},
                     teamfile::kFatalIcon);
  }
  if (all > kMaxKubunTotal)
    FatalDataFileMsg(r.model, r.path, QStringLiteral("区分の最大人数の合計が大きすぎます"),
                     r.place(), teamfile::kFatalIcon);
  r.team = -1;
  r.teamRefused = false;
  return true;
}

}  // namespace teamfile

void AdjustTeamWaku(TeamKubunRec& kubun) {
  const std::size_t count = std::min({static_cast<std::size_t>(std::max(kubun.Count, 0)),
                                      kubun.SlotCount.size(), kubun.MaxCount2.size(),
                                      static_cast<std::size_t>(kubun.Labels.size())});
  if (count == 0) return;
  auto& slot = kubun.SlotCount;
  auto sumSlots = [&] {
    std::int64_t s = 0;
    for (std::size_t i = 0; i < count; ++i) s += slot[i];
    return s;
  };
  std::int64_t sum = sumSlots();
  if (sum <= 8) return;

  for (std::size_t i = 0; i < count; ++i) slot[i] = std::min(slot[i], kubun.MaxCount2[i]);
  sum = sumSlots();
  if (sum <= 8) return;

  // Leading single-player divisions that play nothing give up their slot; the first
  // division keeps its own.
  for (std::size_t i = 0; i < count; ++i) {
    const QString& mask = kubun.Labels[static_cast<qsizetype>(i)];
    const bool spare = kubun.MaxCount2[i] < 2 && !mask.contains(QChar('1'));
    if (!spare) break;
    if (i == 0) continue;
    slot[i] = -1;
    --sum;
  }

  for (int t = 8; t >= 1; --t) {
    if (sum <= 8) return;
    for (std::size_t i = 0; i < count; ++i) {
      if (slot[i] > t) {
        sum -= slot[i] - t;
        slot[i] = t;
      }
    }
  }
}

void ReadTeamFile(Model& model) {
  model.team.TeamFileRead = false;
  const QString path = teamfile::teamFilePath(model.taikai);
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
    if (platform::trimBlanks(line).isEmpty()) continue;
    if (line.startsWith(QChar('['))) {
      teamfile::readSection(r);
    } else if (line.startsWith(QChar('*'))) {
      continue;
    } else if (line.startsWith(QChar('!'))) {
      break;
    } else if (line.startsWith(hozonKey)) {
      model.kekka.HozonJikoku = line.mid(hozonKey.size());
    } else if (r.event < 0) {
      FatalDataFileMsg(r.model, path, QStringLiteral("団体戦種目名が記述されていません "), {},
                       teamfile::kFatalIcon);
    } else {
      teamfile::readSectionLine(r);
    }
  }
  teamfile::addMissingStages(model.team);
}

}  // namespace qv
