#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace peltarix {

// The version box: the icon, the program's name and version, one line about
// what it does, and OK.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  QLabel* version_label() const { return version_label_; }
  QPushButton* ok_button() const { return ok_button_; }

 private:
  QLabel* icon_label_;
  QLabel* version_label_;
  QLabel* purpose_label_;
  QPushButton* ok_button_;
};

}  // namespace peltarix
