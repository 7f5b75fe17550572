#include "layout/FocusWatch.h"

#include <QFocusEvent>

namespace qv {

void FocusWatch::watch(QWidget* box, std::function<void()> got, std::function<void()> lost) {
  boxes_.push_back({box, std::move(got), std::move(lost)});
  box->installEventFilter(&window_);
}

void FocusWatch::dispatch(QObject* watched, QEvent* event) const {
  const bool in = event->type() == QEvent::FocusIn;
  if (!in && event->type() != QEvent::FocusOut) return;
  if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return;
  for (const Box& b : boxes_) {
    if (b.box != watched) continue;
    const auto& handler = in ? b.got : b.lost;
    if (handler) handler();
  }
}

}  // namespace qv
