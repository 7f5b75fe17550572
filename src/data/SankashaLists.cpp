// The two entry lists of the tournament data file.

#include "data/SankashaLists.h"

#include <QSet>
#include <QStringList>
#include <QVarLengthArray>

#include <algorithm>
#include <array>

#include "data/FatalRead.h"
#include "data/Fields.h"
#include "data/Model.h"
#include "data/SenshuJisho.h"
#include "data/TaikaiFile.h"
#include "platform/Blanks.h"
#include "platform/Messages.h"
#include "platform/Width.h"

namespace qv {

namespace {

const QString kFullSpace = QStringLiteral("　");

// A draw number beyond any draw is reported and dropped, so it never sizes a table.
int checkedBangou(Model& model, const TaikaiDataFile& file, const ShumokuRec& event,
                  int bangou) {
  if (bangou <= kMaxBangou) return bangou;
  model.messages.warn(QStringLiteral("参加者名簿読み込み"),
                        QStringLiteral("抽選番号が大きすぎるため無視します\n%1\n種目＝%2　番号＝%3")
                            .arg(file.path, event.Name)
                            .arg(bangou));
  return -1;
}

// Appends a team to the team event paired with the event.
void addTeam(Model& model, const ShumokuRec& event, const QString& teamName) {
  const int t = event.TeamShumokuIndex;
  if (t < 0 || t >= static_cast<int>(model.team.TeamShumokus.size())) return;
  TeamShumokuRec& team = model.team.TeamShumokus.at(t);
  TeamSankashaRec rec;
  rec.TeamName = teamName;
  team.Teams.push_back(std::move(rec));
  team.TeamCount = static_cast<int>(team.Teams.size());
}

void appendEntry(ShumokuRec& event, SankashaRec entry) {
  event.Sankasha.push_back(std::move(entry));
  event.SankashaCount = static_cast<int>(event.Sankasha.size());
}

// An empty dictionary text comes from the player-name dictionary when it holds entries.
QString senshuJishoText(Model& model, const QString& name) {
  if (model.senshuJisho.SenshuJishoCount <= 0) return QString();
  return LookupSenshuJisho(model.senshuJisho, name);
}

// Name, affiliation and dictionary fields of the entry line of each kind.
struct EntryLayout {
  int players = 1;   // names (and affiliations, except for teams)
  int nameFields = 1;  // k: fields 1 … k hold names and affiliations
};

EntryLayout layoutOf(const QString& shubetsu) {
  if (shubetsu == QStringLiteral("単")) return {1, 2};
  if (shubetsu == QStringLiteral("複")) return {2, 4};
  if (shubetsu == QStringLiteral("３人")) return {3, 6};
  return {1, 1};
}

// The entry fields of one list line: names at 1 … n, affiliations at n+1 … 2n, draw number
// at k+1 and dictionary texts after.
using EntryFields = std::array<QString, 14>;

// The comma-separated fields of a line as views into it: only the ones kept are copied.
using LineParts = QVarLengthArray<QStringView, 16>;

QStringView partAt(const LineParts& parts, size_t i) {
  return i < static_cast<size_t>(parts.size()) ? parts[static_cast<qsizetype>(i)] : QStringView();
}

// The first 14 fields, trimmed, a field of one blank kept as it is.
EntryFields fieldsOf(const LineParts& parts) {
  EntryFields f;
  for (size_t i = 0; i < f.size(); ++i) {
    const QStringView raw = partAt(parts, i);
    f[i] = (raw == u" " || raw == kFullSpace) ? raw.toString() : platform::trimBlanks(raw).toString();
  }
  return f;
}

// The event of the abbreviation; -1 when there is none.
int findShumoku(const TaikaiState& t, const QString& ryakugou) {
  for (size_t i = 0; i < t.Taikai.Shumoku.size(); ++i) {
    if (t.Taikai.Shumoku[i].Ryakugou == ryakugou) return static_cast<int>(i);
  }
  return -1;
}

// Fills empty affiliations (the first from the organisation heading, each further one from
// the one before) and takes a trailing "[group]" off each into groups.
std::array<QString, 3> splitGroups(EntryFields& f, size_t n, const QString& organisation) {
  std::array<QString, 3> groups;
  if (f[n + 1].isEmpty()) f[n + 1] = organisation;
  for (size_t p = 1; p < n; ++p) {
    if (platform::trimBlanks(f[n + 1 + p]).isEmpty()) f[n + 1 + p] = f[n + p];
  }
  for (size_t p = 0; p < n; ++p) {
    QString& aff = f[n + 1 + p];
    const qsizetype bracket = aff.indexOf(QChar('['));
    if (bracket >= 0) {
      groups[p] = aff.mid(bracket + 1).remove(QChar(']'));
      aff = aff.left(bracket);
    }
  }
  return groups;
}

// The entry's text: its k name fields joined by commas, in the width the tournament keeps.
QString entryText(const EntryFields& f, size_t k, bool narrowEntryText) {
  QString text;
  for (size_t i = 1; i <= k; ++i) {
    QString part = f[i];
    if (narrowEntryText) {
      part = platform::toFullWidth(part);
    } else if (i > 1) {
      part = platform::toHalfWidth(part);
    }
    text += (i > 1 ? QStringLiteral(",") : QString()) + part;
  }
  text.replace(kFullSpace, QStringLiteral(" "));
  return text;
}

// The players' dictionary texts: the list's own, else the players' dictionary's.
QStringList dictionaryOf(Model& model, const EntryFields& f, size_t n, size_t k) {
  QStringList dictionary;
  for (size_t p = 0; p < n; ++p) {
    QString text = f[k + 2 + p];
    if (text.isEmpty()) text = senshuJishoText(model, f[1 + p]);
    dictionary.append(text);
  }
  return dictionary;
}

// The players' affiliations joined by commas: entries with the same key are numbered in a run.
QString shozokuKeyOf(const EntryFields& f, size_t n) {
  QString key;
  for (size_t p = 0; p < n; ++p) key += (p ? QStringLiteral(",") : QString()) + f[n + 1 + p];
  return key;
}

// The widest name, affiliation and group of the event so far, in characters.
void noteMaxLengths(ShumokuRec& event, const EntryFields& f, const std::array<QString, 3>& groups,
                    size_t n, bool isTeam) {
  for (size_t p = 0; p < n; ++p) {
    event.MaxLen1 = std::max(event.MaxLen1, static_cast<int>(f[1 + p].size()));
    if (!isTeam) {
      event.MaxLen2 = std::max(event.MaxLen2, static_cast<int>(f[n + 1 + p].size()));
      event.MaxLen3 = std::max(event.MaxLen3, static_cast<int>(groups[p].size()));
    }
  }
}

// The players' groups joined by "／", a group repeated from the player before left out.
QString groupNameOf(const std::array<QString, 3>& groups, size_t n) {
  QString name;
  for (size_t p = 0; p < n; ++p) {
    if (groups[p].isEmpty() || (p > 0 && groups[p] == groups[p - 1])) continue;
    name += (p > 0 ? QStringLiteral("／") : QString()) + groups[p];
  }
  return name;
}

// Keeps the entry's text under its draw number for the event's judge list.
void noteJudgeText(TaikaiState& t, int current, int bangou, const QString& text) {
  if (current >= static_cast<int>(t.JudgeShumoku.size())) return;
  JudgeShumokuRec& judge = t.JudgeShumoku.at(current);
  if (bangou >= judge.Count) {
    while (judge.Texts1.size() <= bangou) judge.Texts1.append(QString());
    while (judge.Texts2.size() <= bangou) judge.Texts2.append(QString());
    judge.Count = bangou + 1;
  }
  if (bangou >= 0) judge.Texts1[bangou] = text;
}

}  // namespace

QString ReadShumokuSankasha(Model& model, TaikaiDataFile& file) {
  TaikaiRec& taikai = model.taikai.Taikai;
  int current = -1;
  while (!file.reader.atEnd()) {
    const QString line = file.reader.readLine();
    if (line.startsWith(QStringLiteral("【"))) return line;
    if (line.startsWith(QChar('['))) {
      const QString name = line.size() >= 2 ? line.mid(1, line.size() - 2) : QString();
      current = FindShumoku(taikai, name);
      if (current < 0) {
        FatalDataFileMsg(model, QStringLiteral("種目別参加者名簿読み込みシステムエラー"),
                         QStringLiteral("種目名が見つかりません"), {},
                         platform::MsgIcon::Exclamation);
      }
      continue;
    }
    // An entry needs its event heading; a blank line is no entry.
    if (current < 0 || current >= static_cast<int>(taikai.Shumoku.size())) continue;
    if (platform::trimBlanks(line).isEmpty()) continue;

    ShumokuRec& event = taikai.Shumoku.at(current);
    const QString rest = line.mid(line.indexOf(QChar(',')) + 1);
    const qsizetype lastComma = rest.lastIndexOf(QChar(','));
    SankashaRec entry;
    entry.ShumokuName = event.Name;
    if (lastComma < 0) {
      entry.Name = rest;
    } else {
      entry.Name = rest.left(lastComma);
      entry.Bangou =
          checkedBangou(model, file, event, LngOrDefault(rest.mid(lastComma + 1), -1));
    }
    entry.Name.replace(kFullSpace, QStringLiteral(" "));
    const QString teamName = entry.Name;
    appendEntry(event, std::move(entry));
    ++event.KumiawaseSuu2;
    if (event.Shubetsu == QStringLiteral("団体")) addTeam(model, event, teamName);
  }
  return TaikaiFileEof();
}

QString ReadMoushikomiSankasha(Model& model, TaikaiDataFile& file, int& regroupCount) {
  TaikaiState& t = model.taikai;
  QString previousRyakugou;
  int current = -1;
  QString organisation;
  QString previousShozoku = QStringLiteral("------");
  int run = 0;
  // The organisations listed so far, by name: a large tournament has many, and each
  // "団体=" line would otherwise scan them all.
  QSet<QString> knownShozoku;
  for (const ShozokuRec& s : t.Shozoku) knownShozoku.insert(s.Name);

  auto regroup = [&] {
    regroupCount = file.entryRuns - static_cast<int>(file.runAbbreviations.size());
  };

  while (!file.reader.atEnd()) {
    QString line = file.reader.readLine();
    if (!t.sw.NarrowEntryText) line = platform::toHalfWidth(line);
    if (line.startsWith(QStringLiteral("【"))) {
      regroup();
      return line;
    }
    if (line.startsWith(QStringLiteral("団体="))) {
      const QString name = line.mid(3);
      organisation = name == QStringLiteral("共通") ? kFullSpace : name;
      if (!knownShozoku.contains(name)) {
        knownShozoku.insert(name);
        t.Shozoku.push_back(ShozokuRec{name, -1});
      }
      continue;
    }
    if (platform::trimBlanks(line).isEmpty()) continue;

    LineParts parts;
    platform::CommaParts cut(line);
    while (const auto part = cut.next()) parts.append(*part);
    const QString ryakugou = platform::trimBlanks(partAt(parts, 0)).toString();
    if (current < 0 || ryakugou != previousRyakugou) {
      previousRyakugou = ryakugou;
      ++file.entryRuns;
      if (!file.runAbbreviations.contains(ryakugou)) file.runAbbreviations.append(ryakugou);
      current = findShumoku(t, ryakugou);
      if (current < 0) {
        FatalDataFileMsg(model, QStringLiteral("申込団体別参加者名簿読み込みシステムエラー"),
                         QStringLiteral("種目略号が見つかりません ") + ryakugou, {},
                         platform::MsgIcon::Exclamation);
      }
    }
    ShumokuRec& event = t.Taikai.Shumoku.at(current);

    EntryFields f = fieldsOf(parts);

    const EntryLayout layout = layoutOf(event.Shubetsu);
    const bool isTeam = layout.nameFields == 1;
    const auto n = static_cast<size_t>(layout.players);
    const auto k = static_cast<size_t>(layout.nameFields);
    std::array<QString, 3> groups;
    if (!isTeam) groups = splitGroups(f, n, organisation);
    const QStringList dictionary = isTeam ? QStringList() : dictionaryOf(model, f, n, k);
    noteMaxLengths(event, f, groups, n, isTeam);

    const QString shozokuKey = isTeam ? QString() : shozokuKeyOf(f, n);
    if (shozokuKey != previousShozoku) {
      run = 1;
      previousShozoku = shozokuKey;
    } else {
      ++run;
    }

    const QString text = entryText(f, k, t.sw.NarrowEntryText);
    if (text.startsWith(QStringLiteral("削除"))) continue;

    SankashaRec entry;
    entry.ShumokuName = event.Name;
    entry.Name = text;
    entry.SubText = dictionary.join(QChar(','));
    entry.GroupName += groupNameOf(groups, n);
    if (k + 1 < static_cast<size_t>(parts.size()) && !platform::trimBlanks(f[k + 1]).isEmpty()) {
      entry.Bangou = checkedBangou(model, file, event, LngOrDefault(f[k + 1], -1));
    }
    entry.SeqNo = event.SankashaCount;
    entry.ShozokuNaiJun = run;
    const int bangou = entry.Bangou;
    appendEntry(event, std::move(entry));
    ++event.KumiawaseSuu;
    ++event.KumiawaseSuu2;

    noteJudgeText(t, current, bangou, text);
    if (event.Shubetsu == QStringLiteral("団体")) addTeam(model, event, text);
  }
  regroup();
  return TaikaiFileEof();
}

}  // namespace qv
