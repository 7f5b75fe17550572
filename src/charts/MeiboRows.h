#pragma once
// The rows of the participant roster: entries grouped by the sex category of their events,
// one row per pair with the singles events of each player beside the player, the other
// single players two to a row.

#include <QString>

#include <array>
#include <vector>

namespace qv {

struct Model;

// One printed row: the pair event, then per player the singles events, name, affiliation.
struct MeiboFukuRow {
  QString Fuku;
  QString Tan1, Name1, Shozoku1;
  QString Tan2, Name2, Shozoku2;
};

// One single entry (or one player of a three-player entry, or a team).
struct MeiboTanRow {
  QString Shumoku, Name, Shozoku;
};

// The rows of one category group as collected from the events, before they are placed.
struct MeiboGroup {
  std::vector<MeiboFukuRow> MeiboFukuRows;
  std::vector<MeiboTanRow> MeiboTanRows;
};

// The groups of the roster in event order: a new group at each change of category, so
// events of one category that are not adjacent form separate groups. Entry references are
// resolved; deleted entries are listed like the others.
std::vector<MeiboGroup> CollectMeiboGroups(const Model& model);

// The printed rows of a group: each single player's event goes into the singles cell of
// the first pair player of that exact name (the player's row then holds it); the singles
// left over fill new rows two at a time after the pair rows.
std::vector<MeiboFukuRow> PlaceMeiboRows(MeiboGroup group);

// x positions of the roster columns in a region: left edges of the eight printed columns
// and the right edge of the last, in widths 3, 3, 3, 7, 9, 3, 7, 9 of a 44th of the width.
std::array<float, 9> MeiboColumnX(float left, float right);

}  // namespace qv
