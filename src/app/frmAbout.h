#pragma once
// The about box: names the program, its version, what it does, its licence and copyright, and
// closes with Ok. It holds nothing between showings: each showing builds a fresh box and destroys
// it when it closes.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = QT_TR_NOOP("About Kestrelon");

  explicit frmAbout(QWidget* owner = nullptr);

  // Shows a freshly loaded box modally over `owner` and returns once it has been closed.
  static void ShowModal(QWidget* owner);

  void cmdOk_Click();

 private:
  // The program's name, then its version record, what it does, its licence and its copyright.
  static constexpr int kInfoLines = 5;
  QLabel* lblinfo_[kInfoLines] = {};
  QFrame* Line1_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
};
