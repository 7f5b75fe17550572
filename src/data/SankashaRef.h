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

// What a chart tells the resolver about the entry it prints, and the group text it gets
// back. A chart keeps one for its drawing, so that no other chart's entry shows through.
struct SankashaRefContext {
  int ShumokuIndex = -1;     // event of the entry being printed
  int SankashaIndex = -1;    // entry being printed, with ShumokuIndex
  QString SankashaRefText;   // group text of the entry a reference resolved to
};

// The text to print for an entry text; a text that is no reference comes back unchanged.
// Writes context.SankashaRefText (the group text that goes with the result; for a plain
// name the group of entry context.SankashaIndex of event context.ShumokuIndex; left as it
// was when the result brings none) and, when a reference resolves to an entry, subText
// (that entry's SubText). Reads only the tournament model.
QString ResolveSankashaRef(const Model& model, SankashaRefIndex& index,
                           SankashaRefContext& context, const QString& text, QString& subText);
QString ResolveSankashaRef(const Model& model, SankashaRefContext& context, const QString& text,
                           QString& subText);
QString ResolveSankashaRef(const Model& model, SankashaRefContext& context, const QString& text);
// For callers that print no group text: a context of no printed entry, dropped afterwards.
QString ResolveSankashaRef(const Model& model, SankashaRefIndex& index, const QString& text,
                           QString& subText);
QString ResolveSankashaRef(const Model& model, const QString& text, QString& subText);
QString ResolveSankashaRef(const Model& model, const QString& text);

// The placing list of the event's only knock-out: per slot the entry (or qualifier) index,
// -1 undecided, and its printed text, empty undecided. Slot 0 1st, 1 2nd, 2-3 3rd, 4-7 5th,
// 8-15 9th, 16-31 17th; only the first count (1 to 32) slots get texts. A text carries the
// group text its resolution leaves in the context, in brackets.
void GetTournamentJuni(const Model& model, SankashaRefContext& context, int shumokuIndex,
                       int count, JuniEntries& entries, JuniNames& names);
void GetTournamentJuni(const Model& model, SankashaRefIndex& index, SankashaRefContext& context,
                       int shumokuIndex, int count, JuniEntries& entries, JuniNames& names);

// The winner (side 'W') or loser ('L') of match matchNumber of the event's only knock-out,
// resolved; text unchanged and subText emptied while the match is undecided or missing.
// Writes context.SankashaRefText as ResolveSankashaRef does.
QString GetShiaiShouhai(const Model& model, SankashaRefContext& context, const QString& text,
                        int shumokuIndex, int matchNumber, QChar side, QString& subText);
QString GetShiaiShouhai(const Model& model, SankashaRefIndex& index, SankashaRefContext& context,
                        const QString& text, int shumokuIndex, int matchNumber, QChar side,
                        QString& subText);

}  // namespace qv
