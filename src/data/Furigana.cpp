#include "data/Furigana.h"

#include <QHash>

#include <algorithm>
#include <array>

#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/Taikai.h"
#include "platform/CommaParts.h"
#include "platform/Files.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

QString kanaFilePath(const TaikaiState& taikai) {
  return platform::joinPath(taikai.DataFolder,
                            SideFileName(taikai.TaikaiFileName, QStringLiteral("kan")));
}

// One name,reading row per line; a line without "," names nobody and is left out.
std::vector<StrPairRec> readRows(const QStringList& lines) {
  std::vector<StrPairRec> rows;
  rows.reserve(countSize(lines.size()));
  for (const QString& line : lines) {
    platform::CommaParts parts(line);
    const auto name = parts.next();
    const auto reading = parts.next();
    if (!reading) continue;
    rows.push_back({name->toString(), reading->toString()});
  }
  return rows;
}

// The name a row is looked up by: one trailing circled digit ①..⑥ is dropped.
QString furiganaKey(const QString& name) {
  static const QString kDropped = QStringLiteral("①②③④⑤⑥");
  QString key = name;
  if (!key.isEmpty() && kDropped.contains(key.back())) key.chop(1);
  return key;
}

// GetFurigana over a hash: a large tournament's kana file lists every player, and a scan
// per name would grow with the square of the players. The first row of a name wins.
class FuriganaIndex {
 public:
  explicit FuriganaIndex(const std::vector<StrPairRec>& rows) {
    byName_.reserve(static_cast<qsizetype>(rows.size()));
    for (const StrPairRec& row : rows)
      if (!byName_.contains(row.Key)) byName_.insert(row.Key, row.Value);
  }
  QString operator()(const QString& name) const { return byName_.value(furiganaKey(name)); }

 private:
  QHash<QString, QString> byName_;
};

void fillEntries(TaikaiRec& taikai, const FuriganaIndex& furigana) {
  for (ShumokuRec& ev : taikai.Shumoku) {
    int players = 0;
    if (ev.Shubetsu == QStringLiteral("単")) players = 1;
    if (ev.Shubetsu == QStringLiteral("複")) players = 2;
    if (players == 0) continue;
    for (SankashaRec& entry : ev.Sankasha) {
      // Reading k is field k of SubText (empty when it has fewer), name k field k of Name.
      platform::CommaParts names(entry.Name);
      platform::CommaParts given(entry.SubText);
      std::array<QString, 2> readings;
      for (int k = 0; k < players; ++k) {
        // An empty name is one empty field, looked up like any other.
        const auto name = entry.Name.isEmpty() && k == 0 ? QStringView(u"") : names.next();
        readings[k] = given.next().value_or(QStringView()).toString();
        if (readings[k].isEmpty() && name) readings[k] = furigana(name->toString());
      }
      entry.SubText = players == 1 ? readings[0] : readings[0] + QChar(',') + readings[1];
    }
  }
}

void fillMembers(TeamState& team, const FuriganaIndex& furigana) {
  for (TeamShumokuRec& ev : team.TeamShumokus) {
    for (TeamSankashaRec& t : ev.Teams) {
      // A team that the team file never listed has no member lists.
      const std::size_t divisions =
          std::min(static_cast<std::size_t>(std::max(ev.Kubun.Count, 0)), t.Members.size());
      for (std::size_t d = 0; d < divisions; ++d) {
        TeamKubunMemberRec& m = t.Members[d];
        const qsizetype count =
            std::min({static_cast<qsizetype>(m.Count), m.Names.size(), m.Furiganas.size()});
        for (qsizetype i = 0; i < count; ++i) {
          if (!m.Furiganas[i].isEmpty()) continue;
          const QString reading = furigana(m.Names[i]);
          if (!reading.isEmpty()) m.Furiganas[i] = reading;
        }
      }
    }
  }
}

}  // namespace

void ReadFuriganaFile(Model& model) {
  const QString path = kanaFilePath(model.taikai);
  if (!platform::fileExists(path)) return;
  const auto lines = platform::readTextLines(path);
  if (!lines) {
    // Readings are a convenience: the tournament opens without them.
    model.messages.warn(path, QStringLiteral("読み込めません"));
    return;
  }
  platform::warnUndecodable(model.messages, path, *lines);
  const FuriganaIndex furigana(readRows(*lines));
  fillEntries(model.taikai.Taikai, furigana);
  fillMembers(model.team, furigana);
}

QString GetFurigana(const std::vector<StrPairRec>& furigana, const QString& name) {
  const QString key = furiganaKey(name);
  for (const StrPairRec& row : furigana) {
    if (row.Key == key) return row.Value;
  }
  return {};
}

}  // namespace qv
