#pragma once
// The entry lists of the data file: by event (【種目別参加者名簿】) and by organisation
// (【申込団体別参加者名簿】).

#include <QString>

namespace qv {

struct Model;
struct TaikaiDataFile;

// Draw numbers above this are refused: no draw is that large, and the number would size
// the draw-number table.
inline constexpr int kMaxBangou = 4096;

// Reads entries under [event name] headings. Returns the line that ended the section
// (its first character is "【") or TaikaiFileEof().
QString ReadShumokuSankasha(Model& model, TaikaiDataFile& file);

// Reads entries naming their event by abbreviation, under 団体= lines. Returns as above;
// regroupCount receives the number of runs of lines beyond one per abbreviation, counted
// over the file so far: 1 or more when some event's lines are scattered.
QString ReadMoushikomiSankasha(Model& model, TaikaiDataFile& file, int& regroupCount);

}  // namespace qv
