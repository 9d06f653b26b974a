#include "ui/frmMain.h"

#include <QEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>

#include "report/report_view.h"
#include "toolkit/skip_on_error.h"
#include "ui/canvas_scroller.h"
#include "ui/design_font.h"
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

namespace {

constexpr toolkit::Color kLightYellow = 0x00C0FFFF;
constexpr double kInnerWidth = 9285;  // twips, when the window is restored
constexpr double kInnerHeight = 7050;
constexpr int kMaxEntryLength = 15;

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  // The report asks the right button's state on a press.
  toolkit::SetKeyStateReader(&QtKeyState);
  setWindowTitle(kCaption);
  CreateMenus();
  CreateControls();
  resize(qRound(kInnerWidth / toolkit::kTwipsPerPixel),
         qRound(kInnerHeight / toolkit::kTwipsPerPixel) + menuBar()->sizeHint().height());
  Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::CreateMenus() {
  mnuFile_ = menuBar()->addMenu("&File");
  mnuFile_->setObjectName("mnuFile");
  mnuFileExit_ = mnuFile_->addAction("E&xit");
  mnuFileExit_->setObjectName("mnuFileExit");
  connect(mnuFileExit_, &QAction::triggered, this, [this] { mnuFileExit_Click(); });

  // The Edit menu never shows in the menu bar: it pops up over the report. Its shortcuts act on
  // the report alone, so the entry box keeps its own Ctrl+A and Ctrl+C.
  auto* edit = new QMenu("Edit", this);
  edit->setObjectName("mnuEdit");
  QAction* selectAll = edit->addAction("Select &All");
  selectAll->setObjectName("mnuEditSelectAll");
  selectAll->setShortcut(QKeySequence("Ctrl+A"));
  selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QAction* copy = edit->addAction("&Copy");
  copy->setObjectName("mnuEditCopy");
  copy->setShortcut(QKeySequence("Ctrl+C"));
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(selectAll, &QAction::triggered, this, [this] { mnuEditSelectAll_Click(); });
  connect(copy, &QAction::triggered, this, [this] { mnuEditCopy_Click(); });
  mnuEdit_ = std::make_unique<QtPopupMenu>(edit);
  mnuEditSelectAll_ = std::make_unique<QtMenuItem>(selectAll);
  mnuEditCopy_ = std::make_unique<QtMenuItem>(copy);

  mnuAbout_ = menuBar()->addAction("&About");
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
  constexpr double kButtonTop[] = {480, 2220, 4140};
  for (int i = 2; i >= 0; --i) {
    cmdStatus_[i] = new QtCommandButton(inner_, QString("cmdStatus_%1").arg(i),
                                        {8220, kButtonTop[i], 1035, 315});
    cmdStatus_[i]->SetCaption("Hide");
    cmdStatus_[i]->onClick = Guarded([this, i] { cmdStatus_Click(i); });
  }

  picTray_ = new QtPictureBox(inner_, "picTray", {0, 0, kInnerWidth, 435}, false);
  txtPrimFact_[1] = new QtTextBox(picTray_, "txtPrimFact_1", {3720, 60, 1095, 315});
  lblInfo_ = new QtLabel(picTray_, "lblInfo", {60, 180, 3630, 195});
  lblInfo_->setFont(DesignFont(8.25, true));
  lblInfo_->SetCaption("Enter an integer to find its prime factors  : ");
  lblInfo_->SetAutoSize(true);

  // The trees' controls live in their canvases' views, which end at the scroll bars: a tree
  // scrolled under a bar or past the border is cut off there. The views share the canvases'
  // inner origin, so every position reads back as on the canvas.
  picCanvas_[0] = new QtPictureBox(inner_, "picCanvas_0", {1, 420, 7515, 2235});
  hsScroll_[0] = new QtScrollBar(picCanvas_[0], "hsScroll_0", {0, 1860, 7215, 255}, Qt::Horizontal);
  vsScroll_[0] = new QtScrollBar(picCanvas_[0], "vsScroll_0", {7200, 0, 255, 1875}, Qt::Vertical);
  picScroll_[0] = new QtPictureBox(picCanvas_[0], "picScroll_0", {7200, 1860, 255, 255}, false);
  QWidget* comboTree = picCanvas_[0]->View();
  txtPrimFact_[0] = new QtTextBox(comboTree, "txtPrimFact_0", {2700, 240, 975, 315});
  cmbPrimFact_ = new QtComboBoxArray("cmbPrimFact", this);
  QtComboBox& rootCombo = cmbPrimFact_->Add(1, comboTree, {2700, 600, 975, 315});
  rootCombo.SetVisible(false);
  rootCombo.SetTag("1");

  picCanvas_[1] = new QtPictureBox(inner_, "picCanvas_1", {0, 2640, 7575, 2175});
  picCanvas_[1]->setFont(DesignFont(9.75, false));
  hsScroll_[1] = new QtScrollBar(picCanvas_[1], "hsScroll_1", {0, 1800, 7215, 255}, Qt::Horizontal);
  vsScroll_[1] = new QtScrollBar(picCanvas_[1], "vsScroll_1", {7200, 0, 255, 1815}, Qt::Vertical);
  picScroll_[1] = new QtPictureBox(picCanvas_[1], "picScroll_1", {7200, 1800, 255, 255}, false);
  lblPrimFact_ = new QtLabelArray("lblPrimFact", this);
  QtLabel& rootLabel = lblPrimFact_->Add(1, picCanvas_[1]->View(), {120, 60, 60, 195});
  rootLabel.setAlignment(Qt::AlignCenter);
  rootLabel.SetAutoSize(true);
  rootLabel.SetTag("1");

  wbPreview_ = new QtHtmlView(inner_, "wbPreview", {0, 4800, 7605, 2295});

  for (int i = 0; i < 2; ++i) {
    QtTextBox& box = *txtPrimFact_[i];
    box.SetText("0");
    box.SetBackColor(kLightYellow);
    box.setAlignment(Qt::AlignCenter);
    box.setMaxLength(kMaxEntryLength);
    box.onChange = [this, i] { Refreshing([this, i] { txtPrimFact_Change(i); }); };
    box.onKeyPress = Guarded([this, i](int& keyAscii) { txtPrimFact_KeyPress(i, keyAscii); });

    picCanvas_[i]->SetBackColor(kWhite);
    picCanvas_[i]->onResize = Guarded([this, i] { picCanvas_Resize(i); });
    hsScroll_[i]->onChange = Guarded([this, i] { hsScroll_Change(i); });
    vsScroll_[i]->onChange = Guarded([this, i] { vsScroll_Change(i); });
  }
  // Numbers and trees read left to right in every locale; the rest follows the desktop.
  for (QWidget* numbers :
       std::initializer_list<QWidget*>{txtPrimFact_[1], picCanvas_[0], picCanvas_[1]}) {
    numbers->setLayoutDirection(Qt::LeftToRight);
  }
  // A node height is a scroll step: the combo box's on canvas 0, the label's on canvas 1.
  new CanvasScroller(picCanvas_[0], hsScroll_[0], vsScroll_[0], rootCombo);
  new CanvasScroller(picCanvas_[1], hsScroll_[1], vsScroll_[1], rootLabel);

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
  ++refreshDepth_;
  SkipOnError(handler);
  if (--refreshDepth_ == 0) SkipOnError([this] { DescribeTrees(); });
}

void frmMain::Form_Load() {
  if (!reportView_->SetUp()) ShowReportUnavailable();
}

void frmMain::ShowReportUnavailable() {
  wbPreview_->setPlainText(QStringLiteral("The report cannot be shown."));
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

toolkit::TextBox& frmMain::txtPrimFact(int index) { return *txtPrimFact_[index]; }
toolkit::ComboBoxArray& frmMain::cmbPrimFact() { return *cmbPrimFact_; }
toolkit::LabelArray& frmMain::lblPrimFact() { return *lblPrimFact_; }
toolkit::PictureBox& frmMain::picCanvas(int index) { return *picCanvas_[index]; }
toolkit::PictureBox& frmMain::picScroll(int index) { return *picScroll_[index]; }
toolkit::ScrollBar& frmMain::hsScroll(int index) { return *hsScroll_[index]; }
toolkit::ScrollBar& frmMain::vsScroll(int index) { return *vsScroll_[index]; }
HtmlDocument* frmMain::htmlDocument() { return reportView_->Document(); }

void frmMain::mnuFileExit_Click() {
  if (onExit) onExit();
}

void frmMain::mnuAbout_Click() {
  if (onAbout) onAbout();
}

void frmMain::mnuEditSelectAll_Click() { reportView_->mnuEditSelectAll_Click(); }

void frmMain::mnuEditCopy_Click() { reportView_->mnuEditCopy_Click(); }
