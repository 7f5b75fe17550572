#pragma once
// Entry references: an entry whose name stands for a result of another stage (the 2nd of a
// league block, the winner or loser of a match, a place of a knock-out) is printed as the
// entry that result designates, or as the reference itself while it is undecided.
//
//   ABBR:BLOCK-RANK  place RANK of block BLOCK of the event's preliminary league
//   ABBR:NW / ABBR:NL  winner / loser of match N of the event's knock-out
//   ABBR:N           place slot N (1 to 32) of the event's knock-out placing list
//
// The reference is the entry text's first comma field, read in half-width form.

#include <QString>

#include <array>
#include <memory>

namespace qv {

struct Model;
struct TaikaiRec;

inline constexpr int kJuniSlotCount = 32;
using JuniEntries = std::array<int, kJuniSlotCount>;
using JuniNames = std::array<QString, kJuniSlotCount>;

// The events by abbreviation and, per event as it is first needed, its knock-out's match
// labels, its league's block names and its entry names: each reference is then found
// directly instead of by a scan of the draw. Valid while the tournament is unchanged: make
// one per drawing of a chart and resolve all of its references through it. The overloads
// without one index only what the one reference needs.
class SankashaRefIndex {
 public:
  explicit SankashaRefIndex(const TaikaiRec& taikai);
  ~SankashaRefIndex();
  SankashaRefIndex(const SankashaRefIndex&) = delete;
  SankashaRefIndex& operator=(const SankashaRefIndex&) = delete;

  struct Tables;  // built in SankashaRef.cpp
  Tables& tables();

 private:
  const TaikaiRec& taikai_;
  std::unique_ptr<Tables> tables_;  // made on first use: a plain name needs none
};

// The text to print for an entry text; a text that is no reference comes back unchanged.
// Writes kekka.SankashaRefText (the group text that goes with the result; for a plain name
// the group of entry kekka.SankashaIndex of event kekka.ShumokuIndex) and, when a reference
// resolves to an entry, subText (that entry's SubText). Reads only the tournament model.
QString ResolveSankashaRef(Model& model, const QString& text, QString& subText);
QString ResolveSankashaRef(Model& model, const QString& text);
QString ResolveSankashaRef(Model& model, SankashaRefIndex& index, const QString& text,
                           QString& subText);

// The placing list of the event's only knock-out: per slot the entry (or qualifier) index,
// -1 undecided, and its printed text, empty undecided. Slot 0 1st, 1 2nd, 2-3 3rd, 4-7 5th,
// 8-15 9th, 16-31 17th; only the first count (1 to 32) slots get texts.
void GetTournamentJuni(Model& model, int shumokuIndex, int count, JuniEntries& entries,
                       JuniNames& names);
void GetTournamentJuni(Model& model, SankashaRefIndex& index, int shumokuIndex, int count,
                       JuniEntries& entries, JuniNames& names);

// The winner (side 'W') or loser ('L') of match matchNumber of the event's only knock-out,
// resolved; text unchanged and subText emptied while the match is undecided or missing.
QString GetShiaiShouhai(Model& model, const QString& text, int shumokuIndex, int matchNumber,
                        QChar side, QString& subText);
QString GetShiaiShouhai(Model& model, SankashaRefIndex& index, const QString& text,
                        int shumokuIndex, int matchNumber, QChar side, QString& subText);

}  // namespace qv
