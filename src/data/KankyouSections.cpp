// The two sections of the configuration file: team-match types and event classes.

#include <QStringList>

#include "data/Fields.h"
#include "data/FatalRead.h"
#include "data/Kankyou.h"
#include "data/KankyouState.h"
#include "data/Model.h"

namespace qv {

void ReadTeamShogen(Model& model, KankyouFile& file) {
  KankyouState& k = model.kankyou;
  k.TeamShogenCount = 0;
  k.TeamShogens.clear();
  const qsizetype sectionLine = file.reader.lineNumber();
  const QString sectionText = file.reader.lines().value(sectionLine - 1);

  while (true) {
    if (file.reader.atEnd()) {
      // Without its END the rest of the file would have been taken as types.
      FatalDataFileMsg(model, KankyouReadTitle(), QStringLiteral("ENDの行がありません"),
                       {file.path, sectionLine, sectionText}, platform::MsgIcon::Information);
    }
    const QString line = file.reader.readLine();
    if (line == QStringLiteral("END")) return;

    const QStringList parts = line.split(QChar('='));
    if (parts.size() < 2) continue;
    const QString& key = parts[0];
    const QString& value = parts[1];

    if (key == QStringLiteral("名称")) {
      TeamShogenRec rec;
      rec.Meishou = value;
      k.TeamShogens.push_back(std::move(rec));
      k.TeamShogenCount = static_cast<int>(k.TeamShogens.size());
      continue;
    }
    const bool typeKey = key == QStringLiteral("適用") || key == QStringLiteral("構成種目") ||
                         key == QStringLiteral("区分");
    if (!typeKey) continue;
    if (k.TeamShogens.empty()) {
      // It would belong to no type; dropping it would leave a type half described.
      FatalDataFileMsg(model, KankyouReadTitle(), QStringLiteral("名称=の行より前にあります"),
                       {file.path, file.reader.lineNumber(), line}, platform::MsgIcon::Information);
    }
    TeamShogenRec& type = k.TeamShogens.back();
    if (key == QStringLiteral("適用")) {
      type.Tekiyou = value;
    } else if (key == QStringLiteral("構成種目")) {
      KouseiShumokuRec kousei;
      SplitToFields(value, kousei.Meishou, kousei.Hyouji, kousei.Text3, kousei.Kind, kousei.Rule);
      kousei.Index = type.KouseiCount;
      type.Kousei.push_back(std::move(kousei));
      type.KouseiCount = static_cast<int>(type.Kousei.size());
    } else {
      QString name;
      QString label;
      int maxCount = 0;
      int slotCount = 0;
      SplitToFields(value, name, label, maxCount, slotCount);
      TeamKubunRec& kubun = type.Kubun;
      kubun.Names.append(name);
      kubun.Labels.append(label);
      kubun.MaxCount.push_back(maxCount);
      kubun.MaxCount2.push_back(maxCount);
      kubun.SlotCount.push_back(slotCount);
      kubun.Count = static_cast<int>(kubun.Names.size());
    }
  }
}

void ReadShumokuClass(Model& model, KankyouFile& file) {
  KankyouState& k = model.kankyou;
  k.ShumokuClasses = {ShumokuClassRec{{QStringLiteral("(なし)"), {}, {}}}};
  k.ShumokuClassCount = 1;

  while (!file.reader.atEnd()) {
    const QString line = file.reader.readLine();
    // Blank lines (a file often ends with one) carry nothing.
    if (line.isEmpty() || line.startsWith(QChar('*'))) continue;
    const QStringList fields = line.split(QChar(','));
    if (fields.size() >= 3) {
      k.ShumokuClasses.push_back(ShumokuClassRec{{fields[0], fields[1], fields[2]}});
      k.ShumokuClassCount = static_cast<int>(k.ShumokuClasses.size());
    } else if (fields[0] == QStringLiteral("男女混合")) {
      k.KongouCodes = fields.value(1);  // a missing field reads as empty
    } else {
      FatalDataFileMsg(model, KankyouReadTitle(),
                       QStringLiteral("バージョンが古いのでVessinに連絡して下さい"), {},
                       platform::MsgIcon::Information);
    }
  }
}

}  // namespace qv
