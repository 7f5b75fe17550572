#pragma once
// A drive list: the file-system roots and mounted volumes of the machine. Choosing one
// from the list emits Change; setting it from code does not.

#include <QComboBox>

namespace platform {

class DriveListBox : public QComboBox {
  Q_OBJECT

 public:
  explicit DriveListBox(QWidget* parent = nullptr);

  // The root folder of the chosen volume.
  QString drive() const;

  // Chooses the volume that holds the folder (adding it when the list lacks it).
  void setDriveOf(const QString& folder);

 signals:
  void Change();

 private:
  void addVolume(const QString& rootPath, const QString& name);
};

}  // namespace platform
