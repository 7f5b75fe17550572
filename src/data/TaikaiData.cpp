// The 【大会データ】 section of the tournament data file.

#include "data/TaikaiData.h"

#include <QStringList>

#include "data/Dates.h"
#include "data/Fields.h"
#include "data/Model.h"
#include "data/SenshuJisho.h"
#include "data/Taikai.h"
#include "data/TaikaiFile.h"
#include "data/TeamKenin.h"
#include "data/TextVars.h"
#include "platform/Blanks.h"

namespace qv {

namespace {

// "ブロック" and "予選": an empty value changes nothing, NULL/Null/なし clears the name.
void setStageName(QString& target, const QString& value) {
  if (value.isEmpty()) return;
  if (value == QStringLiteral("NULL") || value == QStringLiteral("Null") ||
      value == QStringLiteral("なし")) {
    target.clear();
  } else {
    target = value;
  }
}

void setTeamOrderCaptions(TaikaiSwitches& sw) {
  auto set = [&](const QStringList& captions) {
    while (sw.TeamOrderCaptions.size() < captions.size()) sw.TeamOrderCaptions.append(QString());
    for (qsizetype i = 0; i < captions.size(); ++i) sw.TeamOrderCaptions[i] = captions[i];
  };
  if (sw.TeamOrderYoushi == QStringLiteral("正副")) {
    set({QStringLiteral("自チーム控え"), QStringLiteral("本部提出用(正)")});
  } else if (sw.TeamOrderYoushi == QStringLiteral("３連")) {
    set({QStringLiteral("自チーム控え"), QStringLiteral("対戦相手用"),
         QStringLiteral("本部提出用(正)")});
  }
}

// OPTION=<word>. Returns false for the words that only set a switch and are not kept.
bool applyOption(Model& model, const QString& word) {
  TaikaiSwitches& sw = model.taikai.sw;
  if (word == QStringLiteral("RANKING")) {
    sw.NumberSeedJun = true;
    return false;
  }
  if (word == QStringLiteral("団体戦総括票")) {
    sw.TeamSoukatsuhyou = true;
    return false;
  }
  if (word == QStringLiteral("P2NULL")) {
    sw.FinalCaption.clear();
    return false;
  }
  if (word == QStringLiteral("DELBLA")) {
    sw.DelBla = true;
  } else if (word == QStringLiteral("USE学校")) {
    sw.UseGakkou = false;
  } else if (word == QStringLiteral("略号表示")) {
    sw.ShumokuRyakugouHyouji = true;
  } else if (word == QStringLiteral("リーグ上姓名")) {
    sw.LeagueUeName = QStringLiteral("姓名");
  } else if (word == QStringLiteral("リーグ左グループ")) {
    sw.LeagueHidariGroup = QStringLiteral("グループ");
  } else if (word == QStringLiteral("リーグ左所属グループ")) {
    sw.LeagueHidariGroup = QStringLiteral("所属グループ");
  } else if (word == QStringLiteral("正副オーダー用紙")) {
    sw.TeamOrderYoushi = QStringLiteral("正副");
  } else if (word == QStringLiteral("３連オーダー用紙")) {
    sw.TeamOrderYoushi = QStringLiteral("３連");
  } else if (word == QStringLiteral("未完順位非表示")) {
    sw.LeagueMikanJuni = false;
  } else if (word == QStringLiteral("YOJ")) {
    ReadSenshuJisho(model);
    sw.NarrowEntryText = false;
  }
  sw.TaikaiOptions.append(word);
  setTeamOrderCaptions(sw);
  return true;
}

bool isSexLetter(QChar c, const QString& seibetsu) {
  if (seibetsu == QStringLiteral("男子")) return c == u'B' || c == u'M';
  if (seibetsu == QStringLiteral("女子")) return c == u'G' || c == u'W' || c == u'L';
  if (seibetsu == QStringLiteral("混合")) return c == u'X';
  return false;
}

// 種目=<name>,<sex class>,<kind>,<abbreviation>: a new event, its draw-number table and,
// for a team event, its team record, each pointing at the other.
void addShumoku(Model& model, const QString& value) {
  TaikaiState& t = model.taikai;
  t.TournamentFirstDrawNo = 0;
  ShumokuRec s;
  SplitToFields(value, s.Name, s.Seibetsu, s.Shubetsu, s.Ryakugou);
  const int index = static_cast<int>(t.Taikai.Shumoku.size());

  JudgeShumokuRec judge;
  judge.Ryakugou = s.Ryakugou;
  t.JudgeShumoku.push_back(judge);

  if (s.Shubetsu == QStringLiteral("団体")) {
    TeamShumokuRec team;
    team.Meishou = s.Name;
    team.Seibetsu = s.Seibetsu;
    team.ShumokuIndex = index;
    s.TeamShumokuIndex = static_cast<int>(model.team.TeamShumokus.size());
    model.team.TeamShumokus.push_back(std::move(team));
    model.team.TeamShumokuCount = static_cast<int>(model.team.TeamShumokus.size());
  }

  if (index == 0) {
    const QString& r = s.Ryakugou;
    if (r.size() < 2) {
      t.sw.SeibetsuPosStart = 0;
      t.sw.SeibetsuPosEnd = 0;
    } else {
      const int secondToLast = static_cast<int>(r.size()) - 1;  // 1-based
      t.sw.SeibetsuPosStart = isSexLetter(r[secondToLast - 1], s.Seibetsu) ? secondToLast : 1;
      t.sw.SeibetsuPosEnd = t.sw.SeibetsuPosStart + 1;
    }
  }

  t.Taikai.Shumoku.push_back(std::move(s));
  t.Taikai.ShumokuCount = static_cast<int>(t.Taikai.Shumoku.size());
}

// 団体結果検印=: the comma fields fill the seal-box values in order; missing ones stay.
void readTeamKenin(TeamKeninState& k, const QString& value) {
  if (value.isEmpty()) return;  // an empty value has no fields at all
  const QStringList parts = value.split(QChar(','));
  auto put = [&](qsizetype i, auto& target) {
    if (i < parts.size()) detail::assignField(target, parts[i]);
  };
  put(0, k.TeamKenin1);
  put(1, k.TeamKenin2);
  put(2, k.TeamKenin3);
  put(3, k.TeamKenin4);
  put(4, k.TeamKenin5);
  put(5, k.TeamKeninCount);
  put(6, k.TeamKeninLabel1);
  put(7, k.TeamKeninLabel2);
  put(8, k.TeamKeninLabel3);
  put(9, k.TeamKeninLabel4);
  put(10, k.TeamKeninFlag);
}

void setSectionDefaults(Model& model) {
  TaikaiState& t = model.taikai;
  TaikaiSwitches& sw = t.sw;
  model.kekka.UserErrorContinue = true;
  t.Taikai.SankaShikaku = QStringLiteral("県協");
  t.Taikai.Shoujou = model.kankyou.KankyouShoujou;
  // Team events start again; an event of an earlier section loses its pairing.
  model.team.TeamShumokus.clear();
  model.team.TeamShumokuCount = 0;
  for (ShumokuRec& s : t.Taikai.Shumoku) s.TeamShumokuIndex = -1;
  sw.ShumokuRyakugouHyouji = false;
  sw.LeagueBlockName = QStringLiteral("ブロック");
  t.NitteiFileName.clear();
  sw.LeagueMeisaiMode = 2;
  sw.LeagueUeName = QStringLiteral("姓");
  sw.LeagueHidariGroup = QStringLiteral("所属");
  sw.TeamOrderYoushi = QStringLiteral("２枚");
  SetTeamKeninDefault(model.teamKenin);
  sw.UseGakkou = true;
  sw.FinalCaption = QStringLiteral("決勝戦");
  sw.TaikaiOptions.clear();
}

}  // namespace

QString ReadTaikaiData(Model& model, TaikaiDataFile& file) {
  setSectionDefaults(model);
  TaikaiState& t = model.taikai;
  while (true) {
    if (file.reader.atEnd()) {
      t.sw.LeagueMeisaiMode = IsTaikaiOption(t.sw, QStringLiteral("リーグ戦明細")) ? 1 : 0;
      return TaikaiFileEof();
    }
    const QString line = file.reader.readLine();
    if (line.startsWith(QStringLiteral("【"))) return line;

    const qsizetype eq = line.indexOf(QChar('='));
    const QString key = eq > 0 ? line.left(eq) : QString();
    const QString value = eq > 0 ? platform::trimBlanks(line.mid(eq + 1)) : QString();

    if (key == QStringLiteral("大会名")) {
      t.Taikai.Name = value;
    } else if (key == QStringLiteral("開催日")) {
      t.Taikai.KaisaiBi = NormalizeKaisaibi(value);
    } else if (key == QStringLiteral("協会名") || key == QStringLiteral("協会")) {
      t.KyoukaiName = value;
      SetTextVar(model.textVars, QStringLiteral("協会名"), value);
    } else if (key == QStringLiteral("会長")) {
      t.KaichouName = value;
      SetTextVar(model.textVars, QStringLiteral("会長名"), value);
      file.kept.keyLines.append(line);
    } else if (key == QStringLiteral("賞状")) {
      t.Taikai.Shoujou = value;
    } else if (key == QStringLiteral("参加資格")) {
      t.Taikai.SankaShikaku = value;
    } else if (key == QStringLiteral("リーグ戦順位判定方法")) {
      model.kankyou.LeagueJuniHantei = value;
    } else if (key == QStringLiteral("ブロック")) {
      setStageName(t.sw.LeagueBlockName, value);
    } else if (key == QStringLiteral("予選")) {
      setStageName(t.sw.LeagueYosenName, value);
    } else if (key == QStringLiteral("日程")) {
      t.NitteiFileName = value;
    } else if (key == QStringLiteral("団体結果検印")) {
      readTeamKenin(model.teamKenin, value);
    } else if (key == QStringLiteral("OPTION")) {
      if (!applyOption(model, value)) file.kept.keyLines.append(line);
    } else if (key == QStringLiteral("種目")) {
      addShumoku(model, value);
    } else if (!key.isEmpty()) {
      SetTextVar(model.textVars, key, value);
      file.kept.keyLines.append(line);
    }
  }
}

}  // namespace qv
