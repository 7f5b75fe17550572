#pragma once
// What one tournament can hold, so that a damaged or hostile file cannot make the program
// lay out far more than it could ever print. A line asking for more is refused with a
// warning that names the file, the line and the limit; the rest of the file is read.

#include <QString>

#include <array>
#include <cstdint>

namespace platform {
class MessageSink;
}

namespace qv {

// League slots are numbered block × 100 + slot when entries are linked to them.
inline constexpr int kMaxLeagueBlockSlots = 100;
// Every pair of a full block meeting twice.
inline constexpr int kMaxLeagueBlockMatches = kMaxLeagueBlockSlots * (kMaxLeagueBlockSlots - 1);
// The largest draw a bracket prints: 16 pages of 64 lines.
inline constexpr int kMaxTournamentEntrants = 1024;
// Qualifiers feed one knock-out.
inline constexpr int kMaxQualifiers = kMaxTournamentEntrants;
// The tie sheets print at most 25 sub-matches; a team has a few member divisions.
inline constexpr int kMaxKousei = 25;
inline constexpr int kMaxKubun = 64;

// The limits, with the totals of one file.
enum class ReadLimit {
  BlockSlots,          // 参加者数 of one league block
  BlockMatches,        // 試合数 of one league block
  TournamentEntrants,  // entrants of one knock-out (組合せ数, first-round shape)
  Qualifiers,          // 決勝進出者数 of one event
  Kousei,              // 構成種目 of one team event
  Kubun,               // 区分 of one team event
  FileSlots,           // league slots of the file
  FileMatches,         // league matches of the file
  FileNodes,           // knock-out nodes of the file
  FileShapePositions,  // first-round shape positions of the file
  FileQualifiers,      // qualifiers of the file
  FileSubMatches,      // sub-match results of the ties of the file
  FileMemberPlaces,    // member places laid out for the teams of the file
  Count
};

// The limit's number.
std::int64_t ReadLimitValue(ReadLimit limit);

// The limits met while one file is read: the running totals, and which limits have been
// reported (each once per file, so a file full of such lines gives one message per limit).
class ReadLimits {
 public:
  // Starts a file: totals to zero, nothing reported.
  void start(const QString& path);
  const QString& path() const { return path_; }

  // True when n more items fit the file's total of the limit; then they are counted.
  bool take(ReadLimit limit, std::int64_t n);
  // True when n is within the limit of one item (0 … limit).
  static bool within(ReadLimit limit, std::int64_t n) { return n >= 0 && n <= ReadLimitValue(limit); }

  // Warns that the line was refused for the limit, unless this limit was reported already.
  void refuse(platform::MessageSink& messages, ReadLimit limit, std::int64_t lineNumber,
              const QString& line);
  // Warns about one line of the file, naming the file and the line, with the reason.
  void warnLine(platform::MessageSink& messages, std::int64_t lineNumber, const QString& line,
                const QString& reason) const;

 private:
  QString path_;
  std::array<std::int64_t, static_cast<std::size_t>(ReadLimit::Count)> used_{};
  std::array<bool, static_cast<std::size_t>(ReadLimit::Count)> reported_{};
};

}  // namespace qv
