#pragma once
// The header-only read of a tournament: the 【大会データ】 section of the data file and the
// definition part of the team file, without entries, teams or results.

#include <QString>

namespace qv {

struct Model;

// Reads the data file DataFolder + fileName up to its first entry list, then the team
// file's definitions when there is a team event. False when the name is blank (nothing is
// touched) or the file cannot be read (the user is told); a file that is empty or not a
// tournament data file ends the program after a message.
bool ReadTaikaiShogen(Model& model, const QString& fileName);

// The team file's sub-match definitions and divisions, slot counts as read; teams,
// members, line-ups, stages and ties are skipped. Every team event ends with one stage.
void ReadDanFile(Model& model);

}  // namespace qv
