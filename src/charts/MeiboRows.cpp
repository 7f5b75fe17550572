// Collecting and placing the rows of the participant roster.

#include "charts/MeiboRows.h"

#include <QHash>

#include "charts/SankashaCsv.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/SankashaRef.h"
#include "platform/CommaParts.h"

namespace qv {

std::vector<MeiboGroup> CollectMeiboGroups(const Model& model) {
  std::vector<MeiboGroup> groups;
  const TaikaiRec& taikai = model.taikai.Taikai;
  const auto events = static_cast<size_t>(eventCount(taikai));
  QString category;
  MeiboGroup current;
  auto closeGroup = [&] {
    if (!current.MeiboFukuRows.empty() || !current.MeiboTanRows.empty()) {
      groups.push_back(std::move(current));
    }
    current = {};
  };
  for (size_t e = 0; e < events; ++e) {
    const ShumokuRec& event = taikai.Shumoku[e];
    if (event.Seibetsu != category) {
      closeGroup();
      category = event.Seibetsu;
    }
    const bool pairs = event.Shubetsu == QStringLiteral("複");
    const auto entries = static_cast<size_t>(entryCount(event));
    for (size_t s = 0; s < entries; ++s) {
      const QStringList fields =
          platform::splitCommaParts(ResolveSankashaRef(model, event.Sankasha[s].Name));
      const std::vector<RosterPlayer> players = RosterPlayers(event, fields);
      if (pairs) {
        current.MeiboFukuRows.push_back({event.Ryakugou, {}, players[0].name, players[0].shozoku,
                                         {}, players[1].name, players[1].shozoku});
        continue;
      }
      for (const RosterPlayer& p : players) {
        current.MeiboTanRows.push_back({event.Ryakugou, p.name, p.shozoku});
      }
    }
  }
  closeGroup();
  return groups;
}

std::vector<MeiboFukuRow> PlaceMeiboRows(MeiboGroup group) {
  std::vector<MeiboFukuRow>& rows = group.MeiboFukuRows;
  // The singles cell of the first pair player of each name, in row order, player 1 first.
  QHash<QString, QString*> tanCell;
  for (MeiboFukuRow& row : rows) {
    if (!tanCell.contains(row.Name1)) tanCell.insert(row.Name1, &row.Tan1);
    if (!tanCell.contains(row.Name2)) tanCell.insert(row.Name2, &row.Tan2);
  }
  std::vector<const MeiboTanRow*> leftOver;
  for (const MeiboTanRow& single : group.MeiboTanRows) {
    // An entry without a name is no player: it would mark an empty cell of a pair row.
    if (single.Name.isEmpty()) continue;
    if (QString* cell = tanCell.value(single.Name, nullptr)) {
      *cell = single.Shumoku;  // a later singles event of the player replaces an earlier one
    } else {
      leftOver.push_back(&single);
    }
  }
  rows.reserve(rows.size() + (leftOver.size() + 1) / 2);
  for (size_t i = 0; i < leftOver.size(); ++i) {
    const MeiboTanRow& s = *leftOver[i];
    if (i % 2 == 0) {
      rows.push_back({{}, s.Shumoku, s.Name, s.Shozoku, {}, {}, {}});
    } else {
      MeiboFukuRow& row = rows.back();
      row.Tan2 = s.Shumoku;
      row.Name2 = s.Name;
      row.Shozoku2 = s.Shozoku;
    }
  }
  return std::move(rows);
}

std::array<float, 9> MeiboColumnX(float left, float right) {
  static constexpr std::array<int, 8> kWidths{3, 3, 3, 7, 9, 3, 7, 9};
  const float u = (right - left) / 44;
  std::array<float, 9> x{};
  x[0] = left;
  for (size_t k = 0; k < kWidths.size(); ++k) x[k + 1] = x[k] + kWidths[k] * u;
  return x;
}

}  // namespace qv
