#pragma once
// Qt's own floor for a page: the calls a chart made to the recorder, turned once into
// ready glyph runs and groups of lines, then drawn with nothing but QPainter calls. What
// is left of a run's cost when the program's logic and the device's work are taken away.

#include <QGlyphRun>
#include <QLineF>
#include <QPen>
#include <QTransform>

#include <deque>
#include <variant>
#include <vector>

#include "print/RecordingSurface.h"

class QPainter;

namespace bench {

class QtFloor {
 public:
  enum class Texts {
    Placed,       // glyphs at absolute positions in a stretched font, as the device draws them
    Transformed,  // each text under a transform of its own, in the face's own width
  };
  // The recorded page (the calls of one page, from the first to before the next NewPage).
  QtFloor(const std::deque<qv::SurfaceCall>& calls, double pixelsPerMm, Texts texts);

  void drawPage(QPainter& painter) const;

 private:
  struct Run {
    QGlyphRun run;
    QTransform transform;  // Transformed only
    QColor color;
  };
  struct Lines {
    QPen pen;
    std::vector<QLineF> lines;
  };
  std::vector<std::variant<Run, Lines>> ops_;
  Texts texts_;
};

}  // namespace bench
