#include "app/PageItems.h"

#include <array>

#include "data/Model.h"
#include "data/ModelAccess.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/TextFile.h"
#include "print/PrintDevice.h"

namespace qv {

namespace {

const QString kPageSelect = QStringLiteral("[頁指定]");
const QString kPageRelease = QStringLiteral("[頁解除]");

// True when the page list (fields after the marker) names pageNo.
bool pageListed(const QStringList& fields, int pageNo) {
  for (const QString& field : fields) {
    const qsizetype dash = field.indexOf(QLatin1Char('-'));
    const auto from = platform::strictWholeNumber(dash < 0 ? field : field.left(dash));
    const auto to = dash < 0 ? from : platform::strictWholeNumber(field.mid(dash + 1));
    if (from && to && *from <= pageNo && pageNo <= *to) return true;
  }
  return false;
}

// The item of an overlay line: x, y, height, width, pitch, x2 and the text.
std::optional<BunshouItem> overlayItem(const QStringList& fields) {
  if (fields.size() < 7) return std::nullopt;
  std::array<float, 6> v{};
  for (size_t i = 0; i < v.size(); ++i) {
    const auto n = platform::numericValue(fields[static_cast<qsizetype>(i)]);
    if (!n) return std::nullopt;
    v[i] = static_cast<float>(*n);
  }
  BunshouItem item;
  item.X = v[0];
  item.Y = v[1];
  item.Height = v[2];
  item.Width = v[3];
  item.Pitch = v[4];
  item.X2 = v[5];
  item.Text = fields[6];
  return item;
}

}  // namespace

void PrintPageItems(Model& model, PrintDevice& device, int layoutPage, int sheetNo) {
  const BunshouState& b = model.bunshou;
  const long long n = static_cast<long long>(sheetNo) + b.FirstPageNo - 1;
  SetTextVar(model.textVars, QStringLiteral("頁"),
             n >= 1 ? QStringLiteral("- %1 -").arg(n) : QString());
  const auto& pages = model.insatsu.InsatsuSeigyo.Pages;
  const PageRec* page = hasIndex(pages, layoutPage)
                            ? &pages.at(layoutPage)
                            : nullptr;
  for (int i = 0; i < kBunshouItemSlots; ++i) {
    const auto slot = static_cast<size_t>(i);
    if (!b.BunshouItemOn[slot] && !(page && page->KoteiInsatsu[slot])) continue;
    const BunshouItem& item = b.BunshouItems[slot];
    if (item.X == 0 && item.Y == 0) PrintPageOverlay(model, device, item.Text, layoutPage + 1);
    else device.PrintLayoutItem(item, model.textVars);
  }
}

void PrintPageOverlay(Model& model, PrintDevice& device, const QString& fileName, int pageNo) {
  if (fileName.isEmpty()) return;
  const auto lines = platform::readTextLines(model.taikai.DataFolder + fileName);
  if (!lines) return;
  bool active = true;
  for (const QString& line : *lines) {
    QStringList fields = line.split(QLatin1Char(','));
    if (line.startsWith(kPageSelect)) {
      fields[0] = fields[0].mid(kPageSelect.size());
      active = pageListed(fields, pageNo);
    } else if (line.startsWith(kPageRelease)) {
      active = true;
    } else if (active) {
      if (const auto item = overlayItem(fields)) device.PrintLayoutItem(*item, model.textVars);
    }
  }
}

}  // namespace qv
