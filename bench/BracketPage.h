#pragma once
// A dense bracket-like page for measuring the print device: short Japanese names and
// affiliations in boxes, and the lines joining them.

#include <QLineF>
#include <QString>

#include <vector>

namespace bench {

struct PageText {
  double x, y, height, width, pitch, x2;
  QString text;
};

struct BracketPage {
  std::vector<PageText> texts;
  std::vector<QLineF> lines;  // millimetres
};

// About 200 texts and 200 lines on an A4 page, the same every time.
BracketPage makeBracketPage();

}  // namespace bench
