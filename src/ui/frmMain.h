#pragma once
// The main window: the entry tray, the interactive factor tree (pane 0), the read-only tree
// (pane 1) and the report (pane 2), each pane with its Hide/Show button, and the menus. The factor
// tree is a part of it (core/tree/factor_tree.h), built over its controls; the window forwards the
// tree's handlers there.
//
// Members by file: frmMain.cpp the controls, menus, loading and the window's events;
// pane_layout.cpp Form_Resize, cmdStatus_Click and the panes; accessible_names.cpp what a screen
// reader says of the controls. What File > Exit and About do is the program's to say: it sets
// onExit and onAbout.

#include <QMainWindow>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "core/tree/tree_model.h"
#include "program_info.h"
#include "toolkit/toolkit.h"

class CanvasScroller;
class FactorTree;
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
class RefusalMark;
class ReportView;

class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  // The window's caption in English, the program's name; the window shows it translated.
  static constexpr const char* kCaption = QT_TR_NOOP("Kestrelon (Prime Factorization)");
  static_assert(std::string_view(kCaption) == program_info::kName);

  // Creates the window with its design-time controls and loads it (Form_Load).
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // The inner area below the menu bar, in twips.
  double ScaleWidth() const;
  double ScaleHeight() const;
  int WindowState() const;
  const tree::TreeModel& Model() const;

  void Form_Load();
  void Form_Resize();
  void cmdStatus_Click(int index);
  void mnuFileExit_Click();  // runs onExit
  void mnuAbout_Click();     // runs onAbout
  void mnuEditSelectAll_Click();
  void mnuEditCopy_Click();
  // View > Compact Trees, also on the canvases' menu: lays both trees out anew.
  void mnuViewCompact_Click();
  // The canvas menu's Copy Picture: the whole tree of the canvas the menu was opened over.
  void mnuCanvasCopyPicture_Click();
  // The factor tree's handlers.
  void txtPrimFact_KeyPress(int index, int& keyAscii);
  void txtPrimFact_Change(int index);
  void cmbPrimFact_Click(int index);
  void cmbPrimFact_KeyDown(int index, int keyCode, int shift);
  void hsScroll_Change(int index);
  void vsScroll_Change(int index);
  void picCanvas_Resize(int index);

  // The File > Exit and About commands, which reach outside the window: to the program's end and
  // to the about box. A command left unset does nothing.
  std::function<void()> onExit;
  std::function<void()> onAbout;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

  // What the report pane shows when its view could not be set up: a sentence saying so, with
  // nothing to select or copy. The trees work as ever.
  void ShowReportUnavailable();

 private:
  void CreateControls();
  void CreateMenus();
  void CreateTree();
  toolkit::Control& Pane(int index);
  // Form_Resize's work: the buttons and the shown panes stacked under the tray.
  void LayOutPanes();
  // A minimum size at which the tray, the three buttons and a node of every shown pane stay
  // inside the window.
  void KeepPanesInside();
  // Runs a handler of node box `index` and gives the focus back to the box if it had it: the
  // refresh that a choice starts hides every node, and Qt moves the focus of a hidden control on
  // to the next one, which may be a Hide button.
  void KeepNodeFocus(int index, const std::function<void()>& handler);
  // Runs a handler that may refresh the trees; once the outermost one is done (a refresh raises
  // nested changes), the nodes are described anew.
  void Refreshing(const std::function<void()>& handler);

  void NameControls();
  // The button's name says what its click does to which pane: "Show report" while the report is
  // hidden.
  void NamePaneButton(int index);
  // Marks number box `index` when its text is not taken, and clears the mark once it is.
  void MarkRefusal(int index);
  // The number the panes show, grouped; empty before the first entry.
  QString ShownNumber() const;

  // Names every shown node of both trees by its value, its kind and its parent.
  void DescribeTrees();
  // Tab visits the nodes of the interactive tree in the order of the tree's walk.
  void OrderNodeFocus();

  // Opens canvas `index`'s menu at `at` (global pixels), or, from the keyboard, over the canvas.
  void ShowCanvasMenu(int index, std::optional<QPoint> at);

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
  QMenu* mnuView_ = nullptr;
  QAction* mnuViewCompact_ = nullptr;
  QAction* mnuAbout_ = nullptr;
  QMenu* mnuCanvas_ = nullptr;  // not in the menu bar: a canvas's context menu
  QAction* mnuCanvasCopyPicture_ = nullptr;
  int menuCanvas_ = 0;                    // the canvas the context menu was last opened over
  std::unique_ptr<QtPopupMenu> mnuEdit_;  // not in the menu bar: the report's context menu
  std::unique_ptr<QtMenuItem> mnuEditSelectAll_;
  std::unique_ptr<QtMenuItem> mnuEditCopy_;

  std::unique_ptr<ReportView> reportView_;
  std::unique_ptr<FactorTree> tree_;
  CanvasScroller* scrollers_[2] = {};             // owned by the canvases
  std::unique_ptr<RefusalMark> refusalMarks_[2];  // on txtPrimFact 0 and 1
  int refreshDepth_ = 0;                          // handlers under way that may refresh the trees
};
