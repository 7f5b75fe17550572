#include "platform/widgets/DirListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace platform {

namespace {

constexpr int kIndentBlanks = 2;
constexpr int kPathRole = Qt::UserRole;

QListWidgetItem* addFolderLine(QListWidget& list, const QString& text, const QString& path,
                               int depth, const QIcon& icon) {
  auto* item = new QListWidgetItem(icon, QString(depth * kIndentBlanks, QChar(' ')) + text);
  item->setData(kPathRole, path);
  list.addItem(item);
  return item;
}

}  // namespace

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (item) setPath(item->data(kPathRole).toString());
  });
}

bool DirListBox::setPath(const QString& folder) {
  const QFileInfo info(folder);
  if (folder.isEmpty() || !info.isDir()) return false;
  const QString absolute = QDir::cleanPath(info.absoluteFilePath());
  const bool changed = absolute != path_;
  path_ = absolute;
  fill();
  if (changed) emit Change();
  return true;
}

void DirListBox::fill() {
  clear();
  const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

  // The chain of folders from the root to the current one.
  QStringList chain;
  for (QDir dir(path_);; ) {
    chain.prepend(dir.absolutePath());
    if (dir.isRoot() || !dir.cdUp()) break;
  }
  int depth = 0;
  QListWidgetItem* current = nullptr;
  for (const QString& p : chain) {
    const QString name = QDir(p).isRoot() ? p : QFileInfo(p).fileName();
    current = addFolderLine(*this, name, p, depth++, openIcon);
  }
  // An unreadable folder lists no subfolders.
  const QFileInfoList subfolders =
      QDir(path_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& sub : subfolders)
    addFolderLine(*this, sub.fileName(), sub.absoluteFilePath(), depth, closedIcon);
  setCurrentItem(current);
}

}  // namespace platform
