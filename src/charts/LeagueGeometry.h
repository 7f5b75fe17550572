#pragma once
// The grid of a league table: its unit width, row height, column widths and the sizes and
// offsets of its texts, from the box it is given and the shape of the block.

#include <QString>

namespace qv {

struct AreaRect;

struct LeagueGeometry {
  double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;  // the box
  int N = 0;           // slots
  int K = 2;           // name lines of a slot: 3 for a three-player event
  bool A = false;      // the affiliation has a column of its own
  bool T = false;      // the won-lost column is printed
  double U = 0;        // unit width
  double R = 0;        // row height
  double C = 0;        // opponent column width
  double W = 0;        // name column width
  double H = 0;        // name size
  double Hb = 0;       // header size
  double Hr = 0;       // rank header width
  double Cw = 0, Ch = 0;  // rank text width and height
  double LeftFirst = 0;    // first name line below a row top; the second is 1.2 H lower
  double HeaderFirst = 0;  // the same for the column headers
  bool trio = false;       // a three-player event
  bool pairs = false;      // a doubles event

  // Column edges, left to right: the name column [X1, X1 + W] holds the names up to nameRight()
  // and, in its own column, the affiliation from there to affiliationRight(); opponent column c
  // starts at columnLeft(c) and its header name ends at headerNameRight(c); then the won-lost
  // column [wonLostLeft(), rankLeft()] when printed, and the rank column [rankLeft(), X2].
  double nameRight() const { return X1 + 4.95 * U; }  // 4.95 = 11 x 0.45
  double affiliationRight() const { return X1 + 10.9 * U; }
  double columnLeft(int c) const { return X1 + W + c * C; }
  double headerNameRight(int c) const { return columnLeft(c) + 3.2 * U; }
  double wonLostLeft() const { return X2 - 5 * U; }
  double rankLeft() const { return X2 - 2 * U; }
  double rankCentre() const { return X2 - U; }
  double rowTop(int i) const { return Y1 + (i + 1) * R; }
  // Right end of the opponent columns: where the won-lost or the rank column begins.
  double cellsRight() const { return T ? wonLostLeft() : rankLeft(); }
  // The three name lines of a three-player slot, below its row top.
  double trioLine(int k) const { return (2 + 12 * k) * R / 38; }
};

// shubetsu: the event's kind ("単", "複", "３人", "団体"). shozoku: affiliations are shown;
// shozokuKaigyou: they go under the name instead of into their own column; meisai: the
// won-lost column is printed.
LeagueGeometry MakeLeagueGeometry(const AreaRect& area, const QString& shubetsu, int n,
                                  bool shozoku, bool shozokuKaigyou, bool meisai);

}  // namespace qv
