#include "platform/widgets/FormLayout.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QFrame>

#include <algorithm>
#include <cmath>

#include "platform/Numbers.h"

namespace platform {

namespace {

// The controls of a window are the widgets it names; Qt's own inner widgets carry no
// name or one beginning with "qt_".
bool isControl(const QWidget& w) {
  const QString name = w.objectName();
  return !w.isWindow() && !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"));
}

bool hasNoFont(const QWidget& w) {
  return qobject_cast<const QAbstractSlider*>(&w) != nullptr ||
         w.metaObject() == &QFrame::staticMetaObject;
}

int scaled(double factor, int value) { return roundHalfEven(factor * value); }

}  // namespace

int ScaledFontSize(float fontSize, double factor) {
  return static_cast<int>(std::trunc(static_cast<double>(fontSize) * factor));
}

void SaveFormLayout(QWidget& window, std::vector<ControlLayout>& records) {
  records.clear();
  records.push_back({&window, window.x(), window.y(), window.width(), window.height(),
                     static_cast<float>(window.font().pointSizeF())});
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!isControl(*w)) continue;
    ControlLayout rec{w, w->x(), w->y(), w->width(), w->height(),
                      static_cast<float>(w->font().pointSizeF())};
    if (qobject_cast<QComboBox*>(w)) rec.Height = kNotRecorded;
    if (hasNoFont(*w)) rec.FontSize = -1;
    records.push_back(rec);
  }
}

void ResizeFormLayout(QWidget& window, std::vector<ControlLayout>& records) {
  if (records.empty() || records[0].Width <= 0 || records[0].Height <= 0) return;
  const int w = window.width();
  const int h = window.height();
  if (w == 0) return;
  const double fx = static_cast<double>(w) / records[0].Width;
  const double fy = static_cast<double>(h) / records[0].Height;
  const double s = fx < fy ? fx : fy;
  ApplyFormLayout(window, s, s, s, records);
}

void ApplyFormLayout(QWidget&, double factorX, double factorY, double factorFont,
                     const std::vector<ControlLayout>& records) {
  for (std::size_t i = 1; i < records.size(); ++i) {
    const ControlLayout& rec = records[i];
    QWidget* w = rec.Ctl.data();
    if (!w) continue;
    if (rec.FontSize > 0) {
      QFont f = w->font();
      // Qt takes no size below one point.
      f.setPointSize(std::max(1, ScaledFontSize(rec.FontSize, factorFont)));
      w->setFont(f);
    }
    QRect g = w->geometry();
    if (rec.Left > kNotRecorded) g.moveLeft(scaled(factorX, rec.Left));
    if (rec.Top > kNotRecorded) g.moveTop(scaled(factorY, rec.Top));
    if (rec.Width > kNotRecorded) g.setWidth(scaled(factorX, rec.Width));
    if (rec.Height > kNotRecorded) g.setHeight(scaled(factorY, rec.Height));
    w->setGeometry(g);
  }
}

void ClearFormLayout(QWidget&, std::vector<ControlLayout>& records) { records.clear(); }

}  // namespace platform
