#include "platform/widgets/DriveListBox.h"

#include <QStorageInfo>

namespace platform {

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
  addVolume(QStorageInfo::root().rootPath(), QStorageInfo::root().name());
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) addVolume(volume.rootPath(), volume.name());
  }
  connect(this, &QComboBox::activated, this, [this](int) { emit Change(); });
}

QString DriveListBox::drive() const { return currentData().toString(); }

void DriveListBox::setDriveOf(const QString& folder) {
  const QStorageInfo volume(folder);
  const QString root = volume.isValid() ? volume.rootPath() : QStorageInfo::root().rootPath();
  addVolume(root, volume.name());
  setCurrentIndex(findData(root));
}

void DriveListBox::addVolume(const QString& rootPath, const QString& name) {
  if (rootPath.isEmpty() || findData(rootPath) >= 0) return;
  const QString text =
      name.isEmpty() ? rootPath : QStringLiteral("%1 [%2]").arg(rootPath, name);
  addItem(text, rootPath);
}

}  // namespace platform
