#pragma once
// A folder list: the path from the root down to the current folder, then the folders in
// it. Activating a line (double click or Enter) makes that folder current.

#include <QListWidget>

namespace platform {

class DirListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit DirListBox(QWidget* parent = nullptr);

  // The current folder, absolute, without a trailing separator (except the root "/").
  QString path() const { return path_; }

  // Makes an existing folder current and lists it; emits Change when the folder differs.
  // False (nothing changes) when the path is not a folder.
  bool setPath(const QString& folder);

 signals:
  void Change();

 private:
  void fill();

  QString path_;
};

}  // namespace platform
