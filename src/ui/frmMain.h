#pragma once
// The main window: the entry tray, the interactive factor tree (pane 0), the read-only tree
// (pane 1) and the report (pane 2), each pane with its Hide/Show button, and the menus.

#include <QMainWindow>
#include <memory>

#include "core/tree/tree_form.h"
#include "report/html_view.h"
#include "report/report_view.h"
#include "ui/qt_menu.h"

class QAction;
class QMenu;
class QtCommandButton;
class QtComboBoxArray;
class QtHtmlView;
class QtLabel;
class QtLabelArray;
class QtPictureBox;
class QtScrollBar;
class QtTextBox;

class frmMain : public QMainWindow, public TreeForm {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "Kestrelon (Prime Factorization)";
  enum WindowStates { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

  // Creates the window with its design-time controls and loads it (Form_Load).
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // The inner area below the menu bar, in twips.
  double ScaleWidth() const;
  double ScaleHeight() const;
  int WindowState() const;

  void Form_Load();
  void Form_Resize();
  void cmdStatus_Click(int index);
  void hsScroll_Change(int index);
  void vsScroll_Change(int index);
  void picCanvas_Resize(int index);
  void mnuFileExit_Click();
  void mnuAbout_Click();
  void mnuEditSelectAll_Click();
  void mnuEditCopy_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

  toolkit::TextBox& txtPrimFact(int index) override;
  toolkit::ComboBoxArray& cmbPrimFact() override;
  toolkit::LabelArray& lblPrimFact() override;
  toolkit::PictureBox& picCanvas(int index) override;
  toolkit::ScrollBar& hsScroll(int index) override;
  toolkit::ScrollBar& vsScroll(int index) override;
  HtmlDocument* htmlDocument() override { return reportView_->Document(); }
  void SetupCanvasScroll(int canvas) override;

 private:
  void CreateControls();
  void CreateMenus();
  toolkit::Control& Pane(int index);

  QWidget* inner_ = nullptr;  // the central area below the menu bar, where the controls live
  QtPictureBox* picTray_ = nullptr;
  QtTextBox* txtPrimFact_[2] = {};
  QtCommandButton* cmdStatus_[3] = {};
  QtPictureBox* picCanvas_[2] = {};
  QtPictureBox* picScroll_[2] = {};
  QtScrollBar* hsScroll_[2] = {};
  QtScrollBar* vsScroll_[2] = {};
  QtComboBoxArray* cmbPrimFact_ = nullptr;
  QtLabelArray* lblPrimFact_ = nullptr;
  QtHtmlView* wbPreview_ = nullptr;
  QtLabel* lblInfo_ = nullptr;

  QMenu* mnuFile_ = nullptr;
  QAction* mnuFileExit_ = nullptr;
  QAction* mnuAbout_ = nullptr;
  std::unique_ptr<QtPopupMenu> mnuEdit_;  // not in the menu bar: the report's context menu
  std::unique_ptr<QtMenuItem> mnuEditSelectAll_;
  std::unique_ptr<QtMenuItem> mnuEditCopy_;

  std::unique_ptr<ReportView> reportView_;
};
