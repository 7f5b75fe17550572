// The data file rewrite grouped by event.

#include "data/TaikaiFileWriter.h"

#include <algorithm>

#include "data/Fields.h"
#include "data/Model.h"
#include "data/PrintFilters.h"
#include "data/SplitSankasha.h"
#include "data/Taikai.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

// The entry as the by-organisation list writes it, its group back in brackets.
QString entryText(const Model& model, const ShumokuRec& event, const SankashaRec& entry) {
  if (entry.GroupName.isEmpty()) return entry.Name;
  if (event.Shubetsu != QStringLiteral("複")) {
    return entry.Name + QStringLiteral("[") + entry.GroupName + QStringLiteral("]");
  }
  // Written outside any chart: no league rule for one-field texts.
  const SankashaPair pair = SplitSankasha(model, CurrentChart{}, entry.Name, QStringLiteral("並列"));
  const qsizetype slash = entry.GroupName.indexOf(QStringLiteral("／"));
  const QString group1 = slash < 0 ? entry.GroupName : entry.GroupName.left(slash);
  const QString group2 = slash < 0 ? entry.GroupName : entry.GroupName.mid(slash + 1);
  return pair.name1 + QStringLiteral(",") + pair.name2 + QStringLiteral(",") + pair.aff1 +
         QStringLiteral("[") + group1 + QStringLiteral("],") + pair.aff2 + QStringLiteral("[") +
         group2 + QStringLiteral("]");
}

// Name and affiliation fields of an entry line of the event's kind.
qsizetype nameFieldCount(const ShumokuRec& event) {
  if (event.Shubetsu == QStringLiteral("単")) return 2;
  if (event.Shubetsu == QStringLiteral("複")) return 4;
  if (event.Shubetsu == QStringLiteral("３人")) return 6;
  return 1;
}

QString shokaisenLine(const TaikaiState& t, const ShumokuRec& event) {
  const int i = event.ShokaisenIndex;
  if (i < 0 || i >= static_cast<int>(t.Shokaisens.size())) return QString();
  const ShokaisenRec& shape = t.Shokaisens.at(i);
  if (shape.Key != QStringLiteral("配置")) return QString();
  QString line = QStringLiteral("トーナメント配置=%1,%2").arg(shape.Count).arg(shape.Total);
  for (int k = 0; k < shape.Total; ++k) {
    const auto at = static_cast<size_t>(k);
    const int value = at < shape.Order.size() ? shape.Order[at] : 0;
    line += QStringLiteral(",%1").arg(value);
  }
  return line;
}

}  // namespace

QStringList TaikaiFileLines(Model& model, const TaikaiKeptLines& kept) {
  TaikaiState& t = model.taikai;
  const TeamKeninState& k = model.teamKenin;
  QStringList out;
  out << QStringLiteral("【大会データ】") << QStringLiteral("大会名=") + t.Taikai.Name
      << QStringLiteral("開催日=") + t.Taikai.KaisaiBi
      << QStringLiteral("協会名=") + t.KyoukaiName
      << QStringLiteral("賞状=") + t.Taikai.Shoujou
      << QStringLiteral("参加資格=") + t.Taikai.SankaShikaku
      << QStringLiteral("リーグ戦順位判定方法=") + model.kankyou.LeagueJuniHantei
      << QStringLiteral("団体結果検印=") +
             JoinFields(k.TeamKenin1, k.TeamKenin2, k.TeamKenin3, k.TeamKenin4, k.TeamKenin5,
                        k.TeamKeninCount, k.TeamKeninLabel1, k.TeamKeninLabel2,
                        k.TeamKeninLabel3, k.TeamKeninLabel4, k.TeamKeninFlag);
  if (!t.NitteiFileName.isEmpty()) out << QStringLiteral("日程=") + t.NitteiFileName;
  for (const QString& word : t.sw.TaikaiOptions) out << QStringLiteral("OPTION=") + word;
  // An empty block name is written as "なし": "ブロック=" alone would read back as the default.
  out << QStringLiteral("ブロック=") +
             (t.sw.LeagueBlockName.isEmpty() ? QStringLiteral("なし") : t.sw.LeagueBlockName)
      << QStringLiteral("予選=") + t.sw.LeagueYosenName;
  out << kept.keyLines;
  for (const ShumokuRec& event : t.Taikai.Shumoku) {
    out << QStringLiteral("種目=") + event.Name + QStringLiteral(",") + event.Seibetsu +
               QStringLiteral(",") + event.Shubetsu + QStringLiteral(",") + event.Ryakugou;
    const QString shape = shokaisenLine(t, event);
    if (!shape.isEmpty()) out << shape;
  }
  out << QStringLiteral("【申込団体別参加者名簿】") << QStringLiteral("団体=共通");
  for (ShumokuRec& event : t.Taikai.Shumoku) {
    for (SankashaRec& entry : event.Sankasha) {
      if (entry.Sakujo && !entry.Name.startsWith(QStringLiteral("削除"))) {
        entry.Name.prepend(QStringLiteral("削除"));
      }
      // An entry from the list by event may lack its affiliation fields: pad them, so the
      // draw number stays in its own field when the line is read back.
      QString text = entryText(model, event, entry);
      const qsizetype fields = text.count(QChar(',')) + 1;
      if (fields < nameFieldCount(event)) text += QString(nameFieldCount(event) - fields, QChar(','));
      out << event.Ryakugou + QStringLiteral(",") + text +
                 QStringLiteral(",%1,").arg(entry.Bangou) + entry.SubText;
    }
  }
  out << kept.tailLines;
  return out;
}

bool WriteTaikaiFile(Model& model, const QString& fileName, const TaikaiKeptLines& kept,
                     bool keepEarlierBackup) {
  TaikaiState& t = model.taikai;
  if (!t.RewriteNeeded) return false;
  const QString path = platform::joinPath(t.DataFolder, fileName);
  QString error;
  auto failed = [&] {
    model.messages.warn(QStringLiteral("大会データファイルを書き換えできません"),
                        path + QStringLiteral("\n") + error);
    return false;
  };
  // A read-only file is left as it is, without a backup made for a write that cannot be.
  if (!platform::mayReplace(path, &error)) return failed();
  if (!keepEarlierBackup && platform::fileExists(path)) {
    const QString backup =
        platform::joinPath(t.DataFolder, SideFileName(fileName, QStringLiteral("bak")));
    if (!platform::copyFile(path, backup)) {
      model.messages.warn(QStringLiteral("バックアップファイルを作成できません"),
                            backup + QStringLiteral("\n") + path);
      return false;
    }
  }
  if (!platform::writeTextLines(path, TaikaiFileLines(model, kept), &error)) return failed();
  return true;
}

}  // namespace qv
