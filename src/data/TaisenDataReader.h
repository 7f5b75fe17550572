#pragma once
// The match-data reader's working state, shared by the files that handle its keys.

#include <QString>

#include <cstdint>

#include "data/ReadLimits.h"

namespace platform {
class TextFileReader;
}

namespace qv {

struct Model;
struct ShumokuRec;
struct LeagueBlockRec;
struct TeamShumokuRec;

namespace taisen {

class Reader {
 public:
  Reader(Model& target, platform::TextFileReader& source) : model(target), file(source) {}

  Model& model;
  platform::TextFileReader& file;

  // Indexes into the model; -1 none.
  int shumoku = -1;  // the event of the last block header
  int team = -1;     // its paired team event
  int block = -1;    // league block added last by ブロック= in this event block
  int stage = 0;     // team stage: the league block's index, +1 per knock-out
  QString stageName; // "予選リーグ", "決勝リーグ" or "トーナメント"
  int entrant = 0;   // 参加者 lines of the block so far
  int match = 0;     // 試合 lines of the block so far
  int qualifier = 0; // 決勝進出者 lines so far
  int ichi = 0;      // running entrant position of the event

  ShumokuRec* event();
  LeagueBlockRec* currentBlock();
  TeamShumokuRec* teamEvent();
  // True for a results file without a version line, whose entry numbers count over all
  // events.
  bool globalEntryNumbers() const;
  // True when the count fits the limit of one item and the file's total; otherwise the
  // line key=value is refused with a warning.
  bool admit(ReadLimit item, ReadLimit total, std::int64_t count, const QString& key,
             const QString& value);
  void refuse(ReadLimit limit, const QString& key, const QString& value);
};

// Whole number of a count value, or -1 when it is negative.
int countValue(const QString& value);

// League keys (TaisenDataLeague.cpp).
void addBlock(Reader& r, const QString& value);          // ブロック=
void setPointSuu(Reader& r, const QString& value);       // ポイント数=
void setTaisenCount(Reader& r, const QString& value);    // 試合数=
void setSankashaSuu(Reader& r, const QString& value);    // 参加者数=
void addSankasha(Reader& r, const QString& value);       // 参加者=
void addShiai(Reader& r, const QString& value);          // 試合=
void setKesshouSuu(Reader& r, const QString& value);     // 決勝進出者数=
void addKesshou(Reader& r, const QString& value);        // 決勝進出者=

// Team stages (TaisenDataTeam.cpp).
// Warns when a team event has no team record; its stages are then left alone.
void selectTeamEvent(Reader& r);
// Makes team stage r.stage exist; a new stage takes the name, and so does an existing one
// when rename is set.
void ensureTeamStage(Reader& r, const QString& name, bool rename);
// Lays out n ties on team stage r.stage, keeping ties already read from the team file.
void sizeTeamStage(Reader& r, int n);

}  // namespace taisen
}  // namespace qv
