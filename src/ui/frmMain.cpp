#include "ui/frmMain.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPointer>

#include "core/arithmetic/number_text.h"
#include "core/tree/factor_tree.h"
#include "report/report_view.h"
#include "toolkit/skip_on_error.h"
#include "ui/canvas_scroller.h"
#include "ui/design_font.h"
#include "ui/main_window_design.h"
#include "ui/qt_canvas_view.h"
#include "ui/qt_combo_box_array.h"
#include "ui/qt_command_button.h"
#include "ui/qt_html_view.h"
#include "ui/qt_key_state.h"
#include "ui/qt_label_array.h"
#include "ui/qt_menu_item.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_popup_menu.h"
#include "ui/qt_scroll_bar.h"
#include "ui/qt_text_box.h"
#include "ui/refusal_mark.h"
#include "ui/tree_picture.h"

namespace {

constexpr toolkit::Color kLightYellow = 0x00C0FFFF;
constexpr toolkit::Color kCanvasColor = 0x00FFFFFF;
constexpr int kMaxEntryLength = 15;
constexpr int kPixmapCacheKilobytes = 2048;

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  // The report asks the right button's state on a press.
  toolkit::SetKeyStateReader(&QtKeyState);
  // The style keeps a picture of every size of box and bar it has drawn, and trees give the boxes
  // ever new widths: a small cache holds what one window shows, and memory stays flat over a
  // long session rather than growing to the default's 10 MB.
  QPixmapCache::setCacheLimit(kPixmapCacheKilobytes);
  setWindowTitle(tr(kCaption));
  CreateMenus();
  CreateControls();
  resize(qRound(design::kInnerWidth / toolkit::kTwipsPerPixel),
         qRound(design::kInnerHeight / toolkit::kTwipsPerPixel) + menuBar()->sizeHint().height());
  Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::CreateMenus() {
  mnuFile_ = menuBar()->addMenu(tr("&File"));
  mnuFile_->setObjectName("mnuFile");
  mnuFileExit_ = mnuFile_->addAction(tr("E&xit"));
  mnuFileExit_->setObjectName("mnuFileExit");
  connect(mnuFileExit_, &QAction::triggered, this, [this] { mnuFileExit_Click(); });

  // The Edit menu never shows in the menu bar: it pops up over the report. Its shortcuts act on
  // the report alone, so the entry box keeps its own Ctrl+A and Ctrl+C.
  auto* edit = new QMenu(tr("Edit"), this);
  edit->setObjectName("mnuEdit");
  QAction* selectAll = edit->addAction(tr("Select &All"));
  selectAll->setObjectName("mnuEditSelectAll");
  selectAll->setShortcut(QKeySequence("Ctrl+A"));
  selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QAction* copy = edit->addAction(tr("&Copy"));
  copy->setObjectName("mnuEditCopy");
  copy->setShortcut(QKeySequence("Ctrl+C"));
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(selectAll, &QAction::triggered, this, [this] { mnuEditSelectAll_Click(); });
  connect(copy, &QAction::triggered, this, [this] { mnuEditCopy_Click(); });
  mnuEdit_ = std::make_unique<QtPopupMenu>(edit);
  mnuEditSelectAll_ = std::make_unique<QtMenuItem>(selectAll);
  mnuEditCopy_ = std::make_unique<QtMenuItem>(copy);

  mnuView_ = menuBar()->addMenu(tr("&View"));
  mnuView_->setObjectName("mnuView");
  // Every start shows the trees as described.
  mnuViewCompact_ = mnuView_->addAction(tr("&Compact Trees"));
  mnuViewCompact_->setObjectName("mnuViewCompact");
  mnuViewCompact_->setCheckable(true);
  mnuViewCompact_->setShortcut(QKeySequence("Ctrl+T"));
  connect(mnuViewCompact_, &QAction::toggled, this,
          Guarded([this](bool) { mnuViewCompact_Click(); }));

  // A canvas's context menu, over its background or from the Menu key on a focused canvas.
  mnuCanvas_ = new QMenu(tr("Tree"), this);
  mnuCanvas_->setObjectName("mnuCanvas");
  mnuCanvasCopyPicture_ = mnuCanvas_->addAction(tr("Copy &Picture"));
  mnuCanvasCopyPicture_->setObjectName("mnuCanvasCopyPicture");
  connect(mnuCanvasCopyPicture_, &QAction::triggered, this,
          Guarded([this](bool) { mnuCanvasCopyPicture_Click(); }));
  mnuCanvas_->addAction(mnuViewCompact_);

  mnuAbout_ = menuBar()->addAction(tr("&About"));
  mnuAbout_->setObjectName("mnuAbout");
  connect(mnuAbout_, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void frmMain::CreateControls() {
  inner_ = new QWidget(this);
  inner_->setObjectName("frmMain_inner");
  setCentralWidget(inner_);
  inner_->installEventFilter(this);
  setFont(DesignFont(8.25, false));

  // The buttons are made last to first, as they were designed.
  for (int i = 2; i >= 0; --i) {
    cmdStatus_[i] = new QtCommandButton(inner_, QString("cmdStatus_%1").arg(i), design::Button(i));
    cmdStatus_[i]->SetCaption(tr("Hide"));
    cmdStatus_[i]->onClick = Guarded([this, i] { cmdStatus_Click(i); });
  }

  picTray_ = new QtPictureBox(inner_, "picTray", design::kTray, false);
  txtPrimFact_[1] = new QtTextBox(picTray_, "txtPrimFact_1", design::kEntryBox);
  lblInfo_ = new QtLabel(picTray_, "lblInfo", design::kInfoLabel);
  lblInfo_->setFont(DesignFont(8.25, true));
  lblInfo_->SetCaption(tr("Enter an integer to find its prime factors  : "));
  lblInfo_->SetAutoSize(true);

  // The trees' controls live in their canvases' views, which end at the scroll bars: a tree
  // scrolled under a bar or past the border is cut off there. The views share the canvases'
  // inner origin, so every position reads back as on the canvas.
  auto makeCanvas = [this](int i) {
    picCanvas_[i] = new QtPictureBox(inner_, QString("picCanvas_%1").arg(i), design::kCanvas[i]);
    hsScroll_[i] = new QtScrollBar(picCanvas_[i], QString("hsScroll_%1").arg(i),
                                   design::kHorizontalBar[i], Qt::Horizontal);
    vsScroll_[i] = new QtScrollBar(picCanvas_[i], QString("vsScroll_%1").arg(i),
                                   design::kVerticalBar[i], Qt::Vertical);
    picScroll_[i] =
        new QtPictureBox(picCanvas_[i], QString("picScroll_%1").arg(i), design::kCorner[i], false);
  };
  makeCanvas(0);
  QWidget* comboTree = picCanvas_[0]->View();
  txtPrimFact_[0] = new QtTextBox(comboTree, "txtPrimFact_0", design::kRootBox);
  cmbPrimFact_ = new QtComboBoxArray("cmbPrimFact", this);
  QtComboBox& rootCombo = cmbPrimFact_->Add(1, comboTree, design::kRootCombo);
  rootCombo.SetVisible(false);
  rootCombo.SetTag("1");

  makeCanvas(1);
  picCanvas_[1]->setFont(DesignFont(9.75, false));
  lblPrimFact_ = new QtLabelArray("lblPrimFact", this);
  QtLabel& rootLabel = lblPrimFact_->Add(1, picCanvas_[1]->View(), design::kRootLabel);
  rootLabel.setAlignment(Qt::AlignCenter);
  rootLabel.SetAutoSize(true);
  rootLabel.SetTag("1");

  wbPreview_ = new QtHtmlView(inner_, "wbPreview", design::kReport);

  for (int i = 0; i < 2; ++i) {
    QtTextBox& box = *txtPrimFact_[i];
    box.SetText("0");
    box.SetBackColor(kLightYellow);
    box.setAlignment(Qt::AlignCenter);
    box.setMaxLength(kMaxEntryLength);
    box.onChange = [this, i] {
      Refreshing([this, i] { txtPrimFact_Change(i); });
      SkipOnError([this, i] { MarkRefusal(i); });
    };
    box.onRefused = Guarded([this, i] {
      refusalMarks_[i]->Show(tr("The pasted text is longer and was not taken."), ShownNumber());
    });
    refusalMarks_[i] = std::make_unique<RefusalMark>(box);
    box.onKeyPress = Guarded([this, i](int& keyAscii) { txtPrimFact_KeyPress(i, keyAscii); });

    picCanvas_[i]->SetBackColor(kCanvasColor);
    picCanvas_[i]->onResize = Guarded([this, i] { picCanvas_Resize(i); });
    hsScroll_[i]->onChange = Guarded([this, i] { hsScroll_Change(i); });
    vsScroll_[i]->onChange = Guarded([this, i] { vsScroll_Change(i); });
  }
  CreateTree();
  // Numbers and trees read left to right in every locale; the rest follows the desktop.
  for (QWidget* numbers :
       std::initializer_list<QWidget*>{txtPrimFact_[1], picCanvas_[0], picCanvas_[1]}) {
    numbers->setLayoutDirection(Qt::LeftToRight);
  }
  // A node height is a scroll step: the combo box's on canvas 0, the label's on canvas 1.
  scrollers_[0] = new CanvasScroller(picCanvas_[0], hsScroll_[0], vsScroll_[0], rootCombo);
  scrollers_[1] = new CanvasScroller(picCanvas_[1], hsScroll_[1], vsScroll_[1], rootLabel);
  for (QtPictureBox* canvas : picCanvas_) {
    canvas->installEventFilter(this);
    canvas->View()->installEventFilter(this);
  }

  cmbPrimFact_->onClick = [this](int index) {
    KeepNodeFocus(index, [this, index] { cmbPrimFact_Click(index); });
  };
  cmbPrimFact_->onKeyDown = [this](int index, int keyCode, int shift) {
    KeepNodeFocus(index, [=, this] { cmbPrimFact_KeyDown(index, keyCode, shift); });
  };

  // Keyboard focus order; the entry box comes first.
  QWidget* tabOrder[] = {txtPrimFact_[1], txtPrimFact_[0], picCanvas_[0], picScroll_[0],
                         vsScroll_[0],    hsScroll_[0],    &rootCombo,    picCanvas_[1],
                         picScroll_[1],   vsScroll_[1],    hsScroll_[1],  wbPreview_,
                         picTray_,        cmdStatus_[0],   cmdStatus_[1], cmdStatus_[2]};
  for (size_t i = 0; i + 1 < std::size(tabOrder); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);
  txtPrimFact_[1]->setFocus();

  wbPreview_->addAction(mnuEditSelectAll_->Action());
  wbPreview_->addAction(mnuEditCopy_->Action());
  reportView_ = std::make_unique<ReportView>(*wbPreview_, *mnuEdit_, *mnuEditCopy_);
  wbPreview_->onMenuKey = Guarded([this](const QPoint& at) {
    mnuEdit_->PopupNextAt(at);
    reportView_->MenuKey();
  });
  NameControls();
  KeepPanesInside();
}

void frmMain::CreateTree() {
  TreeControls controls{*txtPrimFact_[0],
                        *txtPrimFact_[1],
                        *cmbPrimFact_,
                        *lblPrimFact_,
                        {{*picCanvas_[0], *picScroll_[0], *hsScroll_[0], *vsScroll_[0]},
                         {*picCanvas_[1], *picScroll_[1], *hsScroll_[1], *vsScroll_[1]}},
                        [this] { return reportView_->Document(); },
                        [this] { return WindowState(); },
                        [] { QApplication::beep(); }};
  tree_ = std::make_unique<FactorTree>(controls);
}

void frmMain::MarkRefusal(int index) {
  const QString text = txtPrimFact_[index]->Text().trimmed();
  if (modMain::IsPlainDigits(text)) {
    refusalMarks_[index]->Clear();
  } else {
    refusalMarks_[index]->Show(text.isEmpty() ? tr("The box is empty.")
                                              : tr("This text is not one.", "not a whole number"),
                               ShownNumber());
  }
}

QString frmMain::ShownNumber() const {
  const tree::TreeModel& model = tree_->Model();
  return model.hasEntry ? modMain::GroupedText(model.nodeValue(1), QLocale()) : QString();
}

void frmMain::KeepNodeFocus(int index, const std::function<void()>& handler) {
  // During one entry the element at an index stays the same node's, so the box handed back the
  // focus is the node chosen in.
  QPointer<QtComboBox> node;
  SkipOnError([&] { node = &static_cast<QtComboBox&>(cmbPrimFact_->Item(index)); });
  const bool focused = node && node->hasFocus();
  Refreshing(handler);
  if (focused && node && cmbPrimFact_->Holds(index, node) && !node->isHidden() &&
      !node->hasFocus()) {
    node->setFocus(Qt::OtherFocusReason);
    // As when tabbed to: the whole value selected, so that typing replaces it.
    node->lineEdit()->selectAll();
  }
}

void frmMain::Refreshing(const std::function<void()>& handler) {
  QtScrollBar* bars[] = {hsScroll_[0], vsScroll_[0], hsScroll_[1], vsScroll_[1]};
  std::vector<QWidget*> hiddenViews;
  if (refreshDepth_++ == 0) {
    for (QtScrollBar* bar : bars) bar->HoldRepaints();
    // Node controls shown in a hidden view appear with the view, in one go. Shown one by one in
    // a visible view, each asks the window system where the pointer is, for its enter and leave
    // events: under X11 a round trip per node, elsewhere a quick look that costs less than
    // hiding and showing the view. A view holding the focus stays shown, so that the focus never
    // moves.
    static const bool pointerRoundTrip = QGuiApplication::platformName() == QLatin1String("xcb");
    for (QtPictureBox* canvas : picCanvas_) {
      QWidget* view = canvas->View();
      if (!pointerRoundTrip || view->isHidden() ||
          view->isAncestorOf(QApplication::focusWidget())) {
        continue;
      }
      view->hide();
      hiddenViews.push_back(view);
    }
  }
  SkipOnError(handler);
  if (--refreshDepth_ == 0) {
    for (QWidget* view : hiddenViews) view->show();
    for (QtScrollBar* bar : bars) bar->ReleaseRepaints();
    SkipOnError([this] { DescribeTrees(); });
    SkipOnError([this] { OrderNodeFocus(); });
  }
}

void frmMain::Form_Load() {
  if (!reportView_->SetUp()) ShowReportUnavailable();
}

void frmMain::ShowReportUnavailable() {
  wbPreview_->setPlainText(tr("The report cannot be shown."));
  mnuEditSelectAll_->SetEnabled(false);
  mnuEditCopy_->SetEnabled(false);
}

double frmMain::ScaleWidth() const { return inner_->width() * toolkit::kTwipsPerPixel; }

double frmMain::ScaleHeight() const { return inner_->height() * toolkit::kTwipsPerPixel; }

int frmMain::WindowState() const {
  if (isMinimized()) return toolkit::vbMinimized;
  return isMaximized() ? toolkit::vbMaximized : toolkit::vbNormal;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < 2; ++i) {
    if (picCanvas_[i] == nullptr ||
        (watched != picCanvas_[i] && watched != picCanvas_[i]->View())) {
      continue;
    }
    if (event->type() == QEvent::ContextMenu) {
      // A press on the background, or the Menu key on the focused canvas.
      const auto& menuEvent = static_cast<const QContextMenuEvent&>(*event);
      const bool keyboard = menuEvent.reason() == QContextMenuEvent::Keyboard;
      ShowCanvasMenu(i, keyboard ? std::nullopt : std::optional(menuEvent.globalPos()));
      return true;
    }
    if (event->type() == QEvent::KeyPress && watched == picCanvas_[i]) {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier) {
        ShowCanvasMenu(i, std::nullopt);
        return true;
      }
    }
  }
  if (watched == inner_ && event->type() == QEvent::Resize) {
    // The tray is docked along the top edge: it always spans the inner width.
    Guarded([this] {
      picTray_->Move(0, 0, ScaleWidth(), picTray_->Height());
      Form_Resize();
    })();
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmMain::changeEvent(QEvent* event) {
  // Restoring from the minimised state may leave the size as it was: lay out all the same.
  if (event->type() == QEvent::WindowStateChange) Guarded([this] { Form_Resize(); })();
  QMainWindow::changeEvent(event);
}

const tree::TreeModel& frmMain::Model() const { return tree_->Model(); }

void frmMain::txtPrimFact_KeyPress(int index, int& keyAscii) {
  tree_->txtPrimFact_KeyPress(index, keyAscii);
}
void frmMain::txtPrimFact_Change(int index) { tree_->txtPrimFact_Change(index); }
void frmMain::cmbPrimFact_Click(int index) { tree_->cmbPrimFact_Click(index); }
void frmMain::cmbPrimFact_KeyDown(int index, int keyCode, int shift) {
  tree_->cmbPrimFact_KeyDown(index, keyCode, shift);
}
void frmMain::hsScroll_Change(int index) { tree_->hsScroll_Change(index); }
void frmMain::vsScroll_Change(int index) { tree_->vsScroll_Change(index); }
void frmMain::picCanvas_Resize(int index) { tree_->picCanvas_Resize(index); }

void frmMain::mnuFileExit_Click() {
  if (onExit) onExit();
}

void frmMain::mnuAbout_Click() {
  if (onAbout) onAbout();
}

void frmMain::mnuEditSelectAll_Click() { reportView_->mnuEditSelectAll_Click(); }

void frmMain::mnuEditCopy_Click() { reportView_->mnuEditCopy_Click(); }

void frmMain::mnuViewCompact_Click() {
  // The layout moves the nodes under a focused one; it is brought into view again.
  QWidget* focused = QApplication::focusWidget();
  tree_->SetCompact(mnuViewCompact_->isChecked());
  for (CanvasScroller* scroller : scrollers_) scroller->ScrollIntoView(focused);
}

void frmMain::ShowCanvasMenu(int index, std::optional<QPoint> at) {
  menuCanvas_ = index;
  mnuCanvasCopyPicture_->setEnabled(tree_->Model().treeReady);
  // From the keyboard the menu opens at the canvas's top left corner with its first item ready.
  mnuCanvas_->popup(at.value_or(picCanvas_[index]->View()->mapToGlobal(QPoint(8, 8))));
  if (!at) {
    mnuCanvas_->setActiveAction(mnuCanvasCopyPicture_->isEnabled() ? mnuCanvasCopyPicture_
                                                                   : mnuViewCompact_);
  }
}

void frmMain::mnuCanvasCopyPicture_Click() {
  const int i = menuCanvas_;
  TreePictureStyle style;
  style.boxes = i == 0;
  style.font = i == 0 ? static_cast<QtComboBox&>(cmbPrimFact_->Item(1)).font()
                      : static_cast<QtLabel&>(lblPrimFact_->Item(1)).font();
  style.penWidth = i == 0 ? 2 : 1;
  style.rootBack = ToQColor(kLightYellow);
  // Twice the screen's density: sharp when pasted into a document and printed.
  CopyTreePicture(tree_->Drawing(i), style, 2 * devicePixelRatioF());
}
