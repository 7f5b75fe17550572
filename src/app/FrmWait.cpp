#include "app/FrmWait.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/FaceSubstitution.h"

namespace qv {

namespace {

QLabel* centredLabel(QWidget* parent, const QString& text, int pointSize, bool bold) {
  auto* label = new QLabel(text, parent);
  QFont f(platform::windowFamilies(QStringLiteral("ＭＳ ゴシック")), pointSize);
  f.setBold(bold);
  label->setFont(f);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

FrmWait::FrmWait(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("FrmWait"));
  setWindowTitle(QStringLiteral("しばらくお待ち下さい"));

  ShpCommand = new QFrame(this);
  ShpCommand->setObjectName(QStringLiteral("ShpCommand"));
  ShpCommand->setFrameShape(QFrame::Box);
  auto* inner = new QVBoxLayout(ShpCommand);
  inner->setContentsMargins(32, 20, 32, 20);
  inner->setSpacing(12);
  inner->addWidget(centredLabel(ShpCommand, QStringLiteral("Quorvaneシステム"), 20, true));
  inner->addWidget(centredLabel(ShpCommand, QStringLiteral("しばらくお待ち下さい"), 14, true));
  inner->addWidget(centredLabel(ShpCommand, QStringLiteral("実行の準備をしています"), 11, false));
  LblMember = centredLabel(ShpCommand, QString(), 11, false);
  LblMember->setObjectName(QStringLiteral("LblMember"));
  inner->addWidget(LblMember);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(16, 16, 16, 16);
  outer->addWidget(ShpCommand);
}

}  // namespace qv
