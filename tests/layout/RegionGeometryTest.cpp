#include <gtest/gtest.h>

#include "data/InsatsuSeigyoModel.h"
#include "data/TaikaiModel.h"
#include "layout/JouiSize.h"
#include "layout/LayoutTexts.h"
#include "layout/RegionGeometry.h"
#include "layout/RegionHitTest.h"

using namespace qv;

namespace {

RyouikiRec region(float x1, float x2, float y1, float y2, bool deleted = false) {
  RyouikiRec r;
  StoreRect(r, RegionRect{x1, x2, y1, y2});
  r.Deleted = deleted;
  return r;
}

PageRec pageOf(std::vector<RyouikiRec> regions) {
  PageRec page;
  page.RyouikiCount = static_cast<int>(regions.size());
  page.Ryouiki = std::move(regions);
  return page;
}

}  // namespace

TEST(RegionGeometryTest, NormalisedPutsTheUpperLeftCornerFirstWhicheverWayItWasDrawn) {
  const RegionRect want{30, 180, 40, 260};
  for (const RegionRect& drawn : {RegionRect{30, 180, 40, 260}, RegionRect{180, 30, 40, 260},
                                  RegionRect{30, 180, 260, 40}, RegionRect{180, 30, 260, 40}}) {
    EXPECT_EQ(Normalised(drawn), want);
  }
}

TEST(RegionGeometryTest, KeptOnPaperHoldsEveryEdgeAndAMoveStopsAtTheEdge) {
  EXPECT_EQ(KeptOnPaper(RegionRect{-5, 250, -1, 300}, 210, 297), (RegionRect{0, 210, 0, 297}));
  EXPECT_EQ(KeptOnPaper(RegionRect{10, 20, 30, 40}, 210, 297), (RegionRect{10, 20, 30, 40}));

  struct Case {
    RegionRect rect;
    double dx, dy;
    QPointF want;
  };
  const Case cases[] = {
      {{10, 60, 20, 80}, 5, -5, {5, -5}},          // well inside: the whole shift
      {{10, 60, 20, 80}, -30, -40, {-10, -20}},    // stops at the left and top edges
      {{150, 200, 250, 290}, 30, 30, {10, 7}},     // stops at the right and bottom edges
      {{0, 210, 0, 297}, 5, 5, {0, 0}},            // as large as the paper: stays
      {{-20, 250, 10, 20}, 5, 0, {0, 0}},          // wider than the paper: no way is allowed
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShiftKeptOnPaper(c.rect, c.dx, c.dy, 210, 297), c.want)
        << c.rect.X1 << "," << c.dx;
  }
}

TEST(RegionGeometryTest, FitPreviewTakesTheFullWidthOrTheFullHeightAndCentres) {
  const QRectF area(0, 0, 400, 500);
  // B4 landscape is wide: the full width, centred up and down.
  EXPECT_EQ(FitPreview(area, 364, 257), QRectF(0, (500 - 400 * 257.0 / 364) / 2, 400, 400 * 257.0 / 364));
  // A3 portrait is taller than the area: the full height, centred across.
  EXPECT_EQ(FitPreview(area, 297, 420), QRectF((400 - 500 * 297.0 / 420) / 2, 0, 500 * 297.0 / 420, 500));
  // The same proportions as the area take the full-width branch and fill it.
  EXPECT_EQ(FitPreview(area, 200, 250), area);
  // No paper: the area as it is.
  EXPECT_EQ(FitPreview(area, 0, 297), area);
  // The transform maps the paper's corners on the preview's corners.
  const QTransform t = PreviewTransform(QSizeF(420, 594), 210, 297);
  EXPECT_EQ(t.map(QPointF(210, 297)), QPointF(420, 594));
  EXPECT_EQ(t.map(QPointF(10, 20)), QPointF(20, 40));
}

TEST(RegionHitTestTest, TheRegionWithTheNearestEdgeWinsAndTheFirstOneOnATie) {
  // 0: large; 1: small inside 0; 2: deleted, covering everything; 3: same as 1.
  const PageRec page = pageOf({region(10, 200, 10, 280), region(50, 100, 50, 100),
                               region(0, 210, 0, 297, true), region(50, 100, 50, 100)});
  struct Case {
    double x, y;
    int want;
  };
  const Case cases[] = {
      {12, 150, 0},   // only in 0, near its left edge
      {75, 75, 1},    // in 0 and 1: 1's edges are nearer; 3 ties with 1 and comes later
      {52, 75, 1},    // near 1's left edge
      {50, 50, 1},    // on 1's corner: the edges count as inside
      {5, 5, -1},     // only in the deleted region
      {205, 290, -1}, // outside every live region
  };
  for (const Case& c : cases) EXPECT_EQ(FindRegionAt(page, c.x, c.y), c.want) << c.x << "," << c.y;

  // A region from a file drawn right to left is never hit as stored.
  EXPECT_EQ(FindRegionAt(pageOf({region(100, 50, 50, 100)}), 75, 75), -1);
  // A count beyond the list reads nothing past it.
  PageRec shortPage = pageOf({region(10, 20, 10, 20)});
  shortPage.RyouikiCount = 5;
  EXPECT_EQ(FindRegionAt(shortPage, 15, 15), 0);
}

TEST(RegionHitTestTest, HandlesAndPointersByDistanceToTheEdges) {
  const RegionRect r{20, 120, 30, 230};
  struct Case {
    double x, y;
    const char* handle;
    PointerShape pointer;
  };
  const Case cases[] = {
      {10, 100, "", PointerShape::Arrow},
      {70, 130, "移動", PointerShape::SizeAll},
      {24, 130, "左", PointerShape::SizeWe},
      {25, 130, "移動", PointerShape::SizeAll},
      {24, 34, "左上", PointerShape::SizeNwSe},
      {25, 35, "移動", PointerShape::SizeAll},
      {22, 228, "左下", PointerShape::SizeNeSw},
      {117, 130, "右", PointerShape::SizeWe},
      {117, 31, "右上", PointerShape::SizeNeSw},
      {120, 230, "右下", PointerShape::SizeNwSe},
      {70, 33, "上", PointerShape::SizeNs},
      {70, 227, "下", PointerShape::SizeNs},
  };
  for (const Case& c : cases) {
    const DragHandleChoice got = DragHandleAt(r, c.x, c.y);
    EXPECT_EQ(got.handle, QString::fromUtf8(c.handle)) << c.x << "," << c.y;
    EXPECT_EQ(got.pointer, c.pointer) << c.x << "," << c.y;
  }
  // Near both the top and the bottom of a thin region, on its left: the bottom decides.
  EXPECT_EQ(DragHandleAt(RegionRect{20, 120, 30, 36}, 22, 33).handle, QStringLiteral("左下"));
}

TEST(LayoutTextsTest, CoordinatesCaptionsAndUpperRoundSizes) {
  const std::pair<float, const char*> numbers[] = {
      {12, "12"}, {-3, "-3"}, {12.5f, "12.5"}, {0.5f, ".5"}, {-0.5f, "-.5"}, {0, "0"}};
  for (const auto& [value, text] : numbers) EXPECT_EQ(CoordText(value), QString::fromLatin1(text));
  EXPECT_EQ(RectText(RegionRect{30, 180, 30, 260}), QStringLiteral("(30,30)-(180,260)"));
  EXPECT_EQ(PointText(7, 8.5f), QStringLiteral("(7,8.5)"));
  EXPECT_EQ(PageCaption(0, 0), QStringLiteral("1/0頁"));
  EXPECT_EQ(PageCaption(3, 3), QStringLiteral("4/3頁"));

  TaikaiRec taikai;
  taikai.ShumokuCount = 1;
  taikai.Shumoku.resize(1);
  taikai.Shumoku[0].Name = QStringLiteral("男子単");
  const auto caption = [&](const char* kind, int event, int number, const char* name) {
    HaichiRec h;
    h.Kind = QString::fromUtf8(kind);
    h.ShumokuIdx = event;
    h.Number = number;
    h.BunshouName = QString::fromUtf8(name);
    return HaichiCaption(h, taikai);
  };
  EXPECT_EQ(caption("リーグ", 0, 0, ""), QStringLiteral("男子単(リーグ)"));
  EXPECT_EQ(caption("上位", 0, 7, ""), QStringLiteral("男子単(上位8)"));
  EXPECT_EQ(caption("文字列", -1, 0, "挨拶"), QStringLiteral("挨拶"));
  EXPECT_EQ(caption("参加者名簿", -1, 0, "参加者名簿"), QStringLiteral("参加者名簿"));
  EXPECT_EQ(caption("トーナメント", 9, 0, ""), QStringLiteral("(トーナメント)"));  // no such event

  struct Size {
    int size;
    long long limit;
    int want;
  };
  const Size sizes[] = {{0, 20, 8}, {0, 0, 0}, {12, 5, 3}, {7, 3, 2}, {16, 16, 16}, {4, -3, 0}};
  for (const Size& s : sizes) EXPECT_EQ(NormalisedJouiSize(s.size, s.limit), s.want) << s.size;
}
