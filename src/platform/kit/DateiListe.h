#pragma once
// The runtime's file list box: the files of one folder that match a pattern, sorted by name without
// regard to case. Names are matched without regard to case, as the original's file system did.
#include "platform/kit/Controls.h"

namespace vb {

class FileListBox : public ListBox {
  Q_OBJECT
 public:
  explicit FileListBox(QWidget* parent = nullptr);

  QString Path() const { return path_; }
  void setPath(const QString& folder);  // refreshes the list
  QString Pattern() const { return pattern_; }
  void setPattern(const QString& pattern);  // refreshes the list
  // Reads the folder again; the selection is cleared.
  void Refresh();

  std::function<void(int button, int shift, int x, int y)> MouseUp;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QString path_;
  QString pattern_ = QStringLiteral("*.*");
};

}  // namespace vb
