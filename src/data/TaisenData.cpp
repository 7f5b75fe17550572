// The match-data section reader: the line loop, event block headers, the event-wide keys
// and the hand-over of knock-out stages.

#include "data/TaisenData.h"

#include <optional>
#include <utility>

#include "data/FatalRead.h"
#include "data/Fields.h"
#include "data/LeagueResults.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/TaisenDataReader.h"
#include "data/TournamentKekka.h"
#include "platform/Blanks.h"
#include "platform/Messages.h"
#include "platform/Numbers.h"
#include "platform/TextFile.h"

namespace qv {
namespace taisen {

namespace {

int roundedOr(const QString& value, double defaultValue) {
  return platform::roundHalfEven(ValOrDefault(value, defaultValue));
}

// [<event name>],<abbreviation> or [<event name>]: selects the event and starts its match
// data afresh.
void readHeader(Reader& r, const QString& line) {
  const qsizetype comma = line.indexOf(QChar(','));
  const qsizetype end = comma >= 0 ? comma - 1 : line.size() - 1;  // the "]" is dropped
  const QString name = end > 1 ? line.mid(1, end - 1) : QString();
  const QString ryakugou = comma >= 0 ? platform::trimBlanks(line.mid(comma + 1)) : QString();

  const int index = FindShumoku(r.model.taikai.Taikai, name);
  if (index < 0 || index >= static_cast<int>(r.model.taikai.Taikai.Shumoku.size())) {
    FatalDataFileMsg(r.model, QStringLiteral("種目名称＝") + name,
                     QStringLiteral("対戦結果の中に登録されていない種目名称が現れました"), {},
                     platform::MsgIcon::Exclamation);
  }
  r.shumoku = index;
  r.model.kekka.ShumokuIndex = index;
  ShumokuRec& e = *r.event();
  e.Ryakugou = ryakugou;
  e.TaisenHoushiki.clear();
  e.YosenLeagueAri = 0;
  e.TournamentCount = 0;
  e.Tournaments.clear();
  e.KesshouShinshutsuSuu = 0;
  e.KesshouShinshutsu.clear();
  e.LeagueShinpan = r.model.kankyou.LeagueShinpan;
  e.TournamentShinpan = r.model.kankyou.TournamentShinpan;
  e.RallyPoint = 0;
  selectTeamEvent(r);

  r.stageName.clear();
  r.block = -1;
  r.stage = 0;
  r.entrant = 0;
  r.match = 0;
  r.qualifier = 0;
  r.ichi = 0;
}

// トーナメント=<name>: a new knock-out of the event, read by the knock-out reader. Returns
// the line that ended the stage.
QString readTournament(Reader& r, ShumokuRec& e, const QString& name) {
  r.stageName = QStringLiteral("トーナメント");
  TournamentRec t;
  t.Meishou = name;
  t.ShumokuCode = r.shumoku;
  t.FirstDrawNo = 0;
  t.SankaCount = e.KesshouShinshutsuSuu != 0 ? e.KesshouShinshutsuSuu : e.KumiawaseSuu2;
  e.Tournaments.resize(countSize(e.TournamentCount));
  e.Tournaments.push_back(std::move(t));
  const int index = e.TournamentCount++;
  r.model.kekka.TournamentIndex = index;

  ++r.stage;
  ensureTeamStage(r, name, false);
  return ReadTournamentKekka(r.model, r.file, r.shumoku, index);
}

// A key line of the current event. Returns the line to go on with when the key handed
// the file to the knock-out reader, else an empty optional.
std::optional<QString> applyKey(Reader& r, const QString& key, const QString& value) {
  ShumokuRec* ep = r.event();
  if (!ep) return std::nullopt;  // no block header yet
  ShumokuRec& e = *ep;

  if (key == QStringLiteral("対戦方式")) {
    e.TaisenHoushiki = value;
  } else if (key == QStringLiteral("リーグ審判")) {
    e.LeagueShinpan = value;
  } else if (key == QStringLiteral("トーナメント審判")) {
    e.TournamentShinpan = value;
  } else if (key == QStringLiteral("組合せ数")) {
    e.KumiawaseSuu = roundedOr(value, e.SankashaCount);
    e.KumiawaseSuu2 = e.KumiawaseSuu;
  } else if (key == QStringLiteral("シード数")) {
    e.SeedSuu = roundedOr(value, 0);
  } else if (key == QStringLiteral("予選リーグ")) {
    e.YosenLeagueAri = 1;
    e.YosenLeague.Name = value;
    e.YosenLeague.BlockCount = 0;
    e.YosenLeague.Blocks.clear();
    r.block = -1;
    r.stageName = QStringLiteral("予選リーグ");
  } else if (key == QStringLiteral("決勝リーグ")) {
    e.KesshouLeagueAri = 1;
    e.KesshouLeague.Name = value;
    e.KesshouLeague.BlockCount = 1;
    // Its blocks are kept in the preliminary league; one empty block keeps the count true.
    if (e.KesshouLeague.Blocks.empty()) e.KesshouLeague.Blocks.resize(1);
    r.stageName = QStringLiteral("決勝リーグ");
  } else if (key == QStringLiteral("決勝進出順位")) {
    SplitToFields(value, e.YosenLeague.ShinshutsuJuni, e.YosenLeague.ShinshutsuJuniText);
  } else if (key == QStringLiteral("EXCEL")) {
    QString* t = e.InsatsuSettei.Texts;
    SplitToFields(value, t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9]);
  } else if (key == QStringLiteral("先頭ブロック名称")) {
    e.YosenLeague.SentouBlockName = value;
  } else if (key == QStringLiteral("対戦回数")) {
    e.YosenLeague.TaisenKaisuu = roundedOr(value, 0);
  } else if (key == QStringLiteral("予選リーグ印刷配置頁")) {
    SplitToFields(value, e.YosenLeaguePage);
  } else if (key == QStringLiteral("ブロック")) {
    addBlock(r, value);
  } else if (key == QStringLiteral("ポイント数")) {
    setPointSuu(r, value);
  } else if (key == QStringLiteral("ラリーポイント")) {
    e.RallyPoint = -1;
  } else if (key == QStringLiteral("試合数")) {
    setTaisenCount(r, value);
  } else if (key == QStringLiteral("参加者数")) {
    setSankashaSuu(r, value);
  } else if (key == QStringLiteral("参加者")) {
    addSankasha(r, value);
  } else if (key == QStringLiteral("試合")) {
    addShiai(r, value);
  } else if (key == QStringLiteral("決勝進出者数")) {
    setKesshouSuu(r, value);
  } else if (key == QStringLiteral("決勝進出者")) {
    addKesshou(r, value);
  } else if (key == QStringLiteral("トーナメント")) {
    return readTournament(r, e, value);
  }
  return std::nullopt;
}

}  // namespace

ShumokuRec* Reader::event() {
  auto& events = model.taikai.Taikai.Shumoku;
  if (shumoku < 0 || shumoku >= static_cast<int>(events.size())) return nullptr;
  return &events.at(shumoku);
}

LeagueBlockRec* Reader::currentBlock() {
  ShumokuRec* e = event();
  if (!e || block < 0 || block >= static_cast<int>(e->YosenLeague.Blocks.size())) return nullptr;
  return &e->YosenLeague.Blocks.at(block);
}

TeamShumokuRec* Reader::teamEvent() {
  auto& teams = model.team.TeamShumokus;
  if (team < 0 || team >= static_cast<int>(teams.size())) return nullptr;
  return &teams.at(team);
}

bool Reader::globalEntryNumbers() const { return model.kekka.KekkaVersion.isEmpty(); }

bool Reader::admit(ReadLimit item, ReadLimit total, std::int64_t count, const QString& key,
                   const QString& value) {
  ReadLimits& limits = model.kekka.limits;
  if (!ReadLimits::within(item, count)) {
    refuse(item, key, value);
    return false;
  }
  if (!limits.take(total, count)) {
    refuse(total, key, value);
    return false;
  }
  return true;
}

void Reader::refuse(ReadLimit limit, const QString& key, const QString& value) {
  model.kekka.limits.refuse(model.messages, limit, file.lineNumber(), key + QChar('=') + value);
}

int countValue(const QString& value) {
  int n = 0;
  SplitToFields(value, n);
  return n >= 0 ? n : -1;
}

}  // namespace taisen

QString ReadTaisenData(Model& model, platform::TextFileReader& file) {
  taisen::Reader r(model, file);
  std::optional<QString> pending;  // the line a knock-out stage ended at
  for (;;) {
    QString line;
    if (pending) {
      line = *std::exchange(pending, std::nullopt);
    } else if (file.atEnd()) {
      break;
    } else {
      line = file.readLine();
    }

    if (line.startsWith(QChar(u'【'))) {
      CountLeagueProgress(model, -1, -1);
      return line;
    }
    if (line.startsWith(QChar('['))) {
      taisen::readHeader(r, line);
      continue;
    }
    const qsizetype eq = line.indexOf(QChar('='));
    if (eq <= 0) continue;  // no key: matches nothing
    pending = taisen::applyKey(r, line.left(eq), platform::trimBlanks(line.mid(eq + 1)));
  }
  CountLeagueProgress(model, -1, -1);
  return QStringLiteral(".eof.");
}

}  // namespace qv
