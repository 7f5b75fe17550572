// The printer is set up when a command first needs it; whatever comes first finds it ready
// for the charts.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <functional>

#include "app/CurrentPrinter.h"

namespace qv::test {
namespace {

TEST(CurrentPrinter, FirstUseFindsThePrinterSetUpForTheCharts) {
  struct Case {
    const char* first;
    std::function<void(CurrentPrinter&)> use;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
  };
  const Case cases[] = {
      {"printer", [](CurrentPrinter& p) { p.printer(); }, QPageSize::A4, QPageLayout::Portrait},
      {"deviceName", [](CurrentPrinter& p) { p.deviceName(); }, QPageSize::A4,
       QPageLayout::Portrait},
      {"applyDialogValue", [](CurrentPrinter& p) { EXPECT_TRUE(p.applyDialogValue(2)); },
       QPageSize::A4, QPageLayout::Portrait},
      {"setPaper", [](CurrentPrinter& p) { p.setPaper("B4", "横"); }, QPageSize::JisB4,
       QPageLayout::Landscape},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    CurrentPrinter printer;
    c.use(printer);
    const QPrinter& p = printer.printer();
    EXPECT_TRUE(p.fullPage());  // the charts place everything from the paper's corner
    EXPECT_EQ(p.pageLayout().pageSize().id(), c.size);
    EXPECT_EQ(p.pageLayout().orientation(), c.orientation);
  }
}

}  // namespace
}  // namespace qv::test
