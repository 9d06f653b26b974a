#pragma once
// The main window: the entry tray, the interactive factor tree (pane 0), the read-only tree
// (pane 1) and the report (pane 2), each pane with its Hide/Show button, and the menus.
//
// Members by file: frmMain.cpp the controls, menus, loading and the window's events;
// pane_layout.cpp Form_Resize, cmdStatus_Click and the panes; accessible_names.cpp what a screen
// reader says of the controls. The tree's members are TreeForm's (core/tree/tree_form.h). What
// File > Exit and About do is the program's to say: it sets onExit and onAbout.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "core/tree/tree_form.h"
#include "program_info.h"

class QAction;
class QMenu;
class QtCommandButton;
class QtComboBoxArray;
class QtHtmlView;
class QtLabel;
class QtLabelArray;
class QtMenuItem;
class QtPictureBox;
class QtPopupMenu;
class QtScrollBar;
class QtTextBox;
class ReportView;

class frmMain : public QMainWindow, public TreeForm {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = program_info::kName;

  // Creates the window with its design-time controls and loads it (Form_Load).
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // The inner area below the menu bar, in twips.
  double ScaleWidth() const;
  double ScaleHeight() const;
  int WindowState() const override;

  void Form_Load();
  void Form_Resize();
  void cmdStatus_Click(int index);
  void mnuFileExit_Click();  // runs onExit
  void mnuAbout_Click();     // runs onAbout
  void mnuEditSelectAll_Click();
  void mnuEditCopy_Click();

  // The File > Exit and About commands, which reach outside the window: to the program's end and
  // to the about box. A command left unset does nothing.
  std::function<void()> onExit;
  std::function<void()> onAbout;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

  toolkit::TextBox& txtPrimFact(int index) override;
  toolkit::ComboBoxArray& cmbPrimFact() override;
  toolkit::LabelArray& lblPrimFact() override;
  toolkit::PictureBox& picCanvas(int index) override;
  toolkit::PictureBox& picScroll(int index) override;
  toolkit::ScrollBar& hsScroll(int index) override;
  toolkit::ScrollBar& vsScroll(int index) override;
  HtmlDocument* htmlDocument() override;

  // What the report pane shows when its view could not be set up: a sentence saying so, with
  // nothing to select or copy. The trees work as ever.
  void ShowReportUnavailable();

 private:
  void CreateControls();
  void CreateMenus();
  toolkit::Control& Pane(int index);
  // Runs a handler of node box `index` and gives the focus back to the box if it had it: the
  // refresh that a choice starts hides every node, and Qt moves the focus of a hidden control on
  // to the next one, which may be a Hide button.
  void KeepNodeFocus(int index, const std::function<void()>& handler);
  // Runs a handler that may refresh the trees; once the outermost one is done (a refresh raises
  // nested changes), the nodes are described anew.
  void Refreshing(const std::function<void()>& handler);

  void NameControls();
  // The button's name says what its click does to which pane: "Show report".
  void NamePaneButton(int index);
  // Names every shown node of both trees by its value, its kind and its parent.
  void DescribeTrees();

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
  int refreshDepth_ = 0;  // handlers under way that may refresh the trees
};
