// The configuration file: its keys, the league match-order lines and the sections.

#include "data/Kankyou.h"

#include <QStringList>

#include <vector>

#include "data/BunshouItems.h"
#include "data/FatalRead.h"
#include "data/KankyouState.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/TextVars.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

// Key before the first "=", value up to the second "="; no "=" at all: no value.
struct KeyLine {
  QString key;
  QString value;
  bool hasValue = false;
};

KeyLine splitKeyLine(const QString& line) {
  const QStringList parts = line.split(QChar('='));
  KeyLine k;
  k.key = parts.value(0);
  k.hasValue = parts.size() > 1;
  k.value = parts.value(1);
  return k;
}

void setKankyouDefaults(Model& model) {
  KankyouState& k = model.kankyou;
  k.SankashaShumokuShubetsu = QStringLiteral("各種目別");
  k.LeagueShinpan.clear();
  k.TournamentShinpan.clear();
  k.LeagueShiaiJuns = {};
  k.TeamShogenCount = 0;
  k.TeamShogens.clear();
  k.ShumokuClassCount = 1;
  k.ShumokuClasses = {ShumokuClassRec{{QStringLiteral("(なし)"), {}, {}}}};
  k.KongouCodes = QStringLiteral("MWX");
  k.KikenMark = QStringLiteral("ｷｹﾝ");
  model.printFilters.TeamFilter = QStringLiteral("-----");
  k.AutoGapXFew = 10;
  k.AutoGapXMany = 5;
  k.AutoGapYFew = 10;
  k.AutoGapYMany = 5;
  model.taikai.sw.NarrowEntryText = true;
}

// The match-order record of the league size in the line's first field; a size outside
// 3 to 18 ends the program.
LeagueShiaiJunRec& leagueTableOf(Model& model, const KankyouFile& file,
                                 const QString& line, const QStringList& fields) {
  LeagueShiaiJunRec* target =
      model.kankyou.LeagueShiaiJun(platform::lenientWholeNumber(fields.value(0)));
  if (!target) {
    FatalDataFileMsg(model, KankyouReadTitle(), QStringLiteral("リーグの参加者数は3から18までです"),
                     {file.path, file.reader.lineNumber(), line}, platform::MsgIcon::Information);
  }
  return *target;
}

// 試合番号=N,a1,...,ak: the playing order of a league of N. The codes must be 1..k each
// once, or the inverse table would point outside itself; the record is replaced only
// when the whole line is sound.
void readShiaiBangou(Model& model, const KankyouFile& file, const QString& line,
                     const QString& value) {
  const QStringList fields = value.split(QChar(','));
  LeagueShiaiJunRec* target = &leagueTableOf(model, file, line, fields);
  const int k = static_cast<int>(fields.size()) - 1;
  LeagueShiaiJunRec rec;
  rec.LeagueSize = platform::lenientWholeNumber(fields.value(0));
  rec.ShiaiCount = k;
  rec.Order.assign(countSize(k), 0);
  rec.OrderInv.assign(countSize(k), -1);
  rec.Shinpan.assign(countSize(2 * k), -1);
  for (int i = 0; i < k; ++i) {
    const int code = platform::lenientWholeNumber(fields[i + 1]);
    if (code < 1 || code > k || rec.OrderInv.at(code - 1) != -1) {
      FatalDataFileMsg(model, KankyouReadTitle(),
                       QStringLiteral("試合番号は1から%1までを一つずつ並べて下さい").arg(k),
                       {file.path, file.reader.lineNumber(), line}, platform::MsgIcon::Information);
    }
    rec.Order.at(i) = code;
    rec.OrderInv.at(code - 1) = i;
  }
  *target = std::move(rec);
}

// ブロック審判=N,r1,...,rm: the umpires of the match slots of a league of N, first
// umpires then second ones; the 試合番号= line of that size sizes the table.
void readBlockShinpan(Model& model, const KankyouFile& file, const QString& line,
                      const QString& value) {
  const QStringList fields = value.split(QChar(','));
  LeagueShiaiJunRec* target = &leagueTableOf(model, file, line, fields);
  if (target->LeagueSize == 0) {
    FatalDataFileMsg(model, KankyouReadTitle(),
                     QStringLiteral("同じ参加者数の試合番号=の行より前にあります"),
                     {file.path, file.reader.lineNumber(), line}, platform::MsgIcon::Information);
  }
  const qsizetype m = fields.size() - 1;
  if (m > static_cast<qsizetype>(target->Shinpan.size())) {
    FatalDataFileMsg(
        model, KankyouReadTitle(),
        QStringLiteral("審判の数が試合数の2倍(%1)を超えています").arg(target->Shinpan.size()),
        {file.path, file.reader.lineNumber(), line}, platform::MsgIcon::Information);
  }
  for (qsizetype i = 0; i < m; ++i) {
    target->Shinpan.at(i) = platform::lenientWholeNumber(fields[i + 1]);
  }
}

void readKeyLine(Model& model, KankyouFile& file, const QString& line) {
  KankyouState& k = model.kankyou;
  const KeyLine kl = splitKeyLine(line);
  const QString& key = kl.key;
  const QString& value = kl.value;

  if (key == QStringLiteral("[団体戦諸元]")) {
    ReadTeamShogen(model, file);
    return;
  }
  if (key == QStringLiteral("[大会種目クラス]")) {
    ReadShumokuClass(model, file);
    return;
  }
  // A key of the file's own without "=" carries nothing; such lines are skipped.
  if (!kl.hasValue) return;

  if (key == QStringLiteral("協会")) {
    model.taikai.KyoukaiName = value;
    SetTextVar(model.textVars, QStringLiteral("協会名"), value);
  } else if (key == QStringLiteral("会長")) {
    model.taikai.KaichouName = value;
    SetTextVar(model.textVars, QStringLiteral("会長名"), value);
  } else if (key == QStringLiteral("名簿") || key == QStringLiteral("先頭ブロック名称")) {
    // Settings of the suite's other programs.
  } else if (key == QStringLiteral("文章ファイル")) {
    k.BunshouFileName = value;
  } else if (key == QStringLiteral("賞状")) {
    k.KankyouShoujou = value;
  } else if (key == QStringLiteral("審判用紙")) {
    k.ShinpanYoushi.Name = value;
  } else if (key == QStringLiteral("参加者種目別種別")) {
    k.SankashaShumokuShubetsu = value;
  } else if (key == QStringLiteral("リーグ戦順位判定方法")) {
    k.LeagueJuniHantei = value.isEmpty() ? QStringLiteral("勝率") : value;
  } else if (key == QStringLiteral("リーグ審判")) {
    k.LeagueShinpan = value;
  } else if (key == QStringLiteral("トーナメント審判")) {
    k.TournamentShinpan = value;
  } else if (key == QStringLiteral("試合番号")) {
    readShiaiBangou(model, file, line, value);
  } else if (key == QStringLiteral("ブロック審判")) {
    readBlockShinpan(model, file, line, value);
  } else if (key == QStringLiteral("HTM出力")) {
    k.HtmOutput = value.toUpper() == QStringLiteral("TRUE");
  } else if (!key.startsWith(QChar('*'))) {
    SetTextVar(model.textVars, key, value);
  }
}

}  // namespace

void ReadKankyouTeigi(Model& model) {
  const QString path = platform::joinPath(model.programFolder, QStringLiteral("Quorvane.cfg"));
  if (!platform::fileExists(path)) {
    FatalDataFileMsg(model, QStringLiteral("Quorvaneシステム"),
                     QStringLiteral("環境定義ファイルが見つかりません"), {},
                     platform::MsgIcon::Information);
  }

  ReadUserDat(model.kankyou, model.programFolder);
  model.taikai.DataFolder = ChooseDataFolder(model.programFolder, model.clock.now().date());

  setKankyouDefaults(model);
  auto lines = platform::readTextLines(path);
  if (!lines) {
    FatalDataFileMsg(model, KankyouReadTitle(), QStringLiteral("読み込めません"),
                     {path, 0, QString()}, platform::MsgIcon::Information);
  }
  platform::warnUndecodable(model.messages, path, *lines);
  KankyouFile file{path, platform::TextFileReader(std::move(*lines))};
  while (!file.reader.atEnd()) readKeyLine(model, file, file.reader.readLine());

  InitBunshouItems(model.bunshou, model.kankyou.InsatsuFont);
  ReadBunshouFile(model, model.kankyou.BunshouFileName);
  model.kankyou.InsatsuFont = QStringLiteral("ＭＳ 明朝");
}

}  // namespace qv
